#pragma once

#include <QException>
#include <QString>

namespace querlin {

// What ends a command short of its results, as querlin-calc's exit status
// tells it: a calculation that cannot be done, words that make no command, or
// a model the engine cannot run and a file that cannot be written.
enum class FaultStatus { Calculation = 1, Usage = 2, Engine = 3 };

// A fault with the words a person reads: the one type every fault of the
// program is, whatever raised it. It crosses threads as Qt's concurrent runs
// carry exceptions.
class Fault : public QException {
  public:
    Fault(FaultStatus status, QString message) : status(status), message(std::move(message)) {}

    void raise() const override { throw *this; }
    Fault* clone() const override { return new Fault(*this); }

    FaultStatus status;
    QString message;
};

// A fault of a type of its own, which a concurrent run's future raises again
// as that type: a catch of the type on the far side of a QFuture sees it, and
// what the type holds beyond the message is kept.
template <typename Type>
class TypedFault : public Fault {
  public:
    using Fault::Fault;

    void raise() const override { throw static_cast<const Type&>(*this); }
    Fault* clone() const override { return new Type(static_cast<const Type&>(*this)); }
};

}  // namespace querlin
