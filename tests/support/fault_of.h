#pragma once

#include <gtest/gtest.h>

#include "handler_fault.h"

namespace querlin::testing {

// The fault that ends a handler run; a run that ends normally fails the test.
template <typename Run>
HandlerFault faultOf(Run run) {
    try {
        run();
    } catch (const HandlerFault& fault) {
        return fault;
    }
    ADD_FAILURE() << "the handler ended without a fault";
    return HandlerFault({});
}

}  // namespace querlin::testing
