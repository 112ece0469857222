#pragma once

#include "high/c.h"
