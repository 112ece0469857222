#pragma once

#include <QString>
#include <optional>

namespace querlin::cli {

// The command-line reference's part of each command, made from its
// description as --help is: its usage and a table of its options, in
// Markdown, in the language of the texts as written (English: the reference's
// language), since no translation is looked up unless one is installed.
QString commandReference(const QString& command);

// The reference with each command's part between its markers made anew, the
// hand-written text around them as it is; none when a command's markers are
// missing or out of order.
std::optional<QString> withCommandReferences(const QString& reference);

}  // namespace querlin::cli
