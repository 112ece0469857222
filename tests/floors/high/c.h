#pragma once

#include "high/b.h"
#include "low/a.h"
