#pragma once

#include <QString>

namespace querlin::cli {

// Words that make no command, and why.
struct UsageError {
    QString message;
};

[[noreturn]] inline void misused(const QString& message) {
    throw UsageError{message};
}

}  // namespace querlin::cli
