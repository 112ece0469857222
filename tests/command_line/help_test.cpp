// The help and the reference against the parser: every option the parser
// takes for a command stands in that command's --help and in its section of
// docs/reference.md, and no option it does not take; --help lists every
// command; the reference's usage and options of each command are what the
// commands' descriptions make.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <sstream>

#include "command_line.h"
#include "reference_text.h"
#include "request.h"
#include "support/qstring_printer.h"

namespace querlin::cli {
namespace {

QString helpOf(const QStringList& words) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(run(QStringList{u"querlin-calc"_qs} + words, in, out, err), kSuccess);
    return QString::fromStdString(out.str());
}

// A block of the help ends at a blank line, a section of the reference at the
// next section's heading.
const QRegularExpression kBlankLine(QStringLiteral("^$"));
const QRegularExpression kSection(QStringLiteral("^## "));

// The lines of a block, from the line after the one that opens it to the
// first that ends it.
QStringList blockOf(const QString& text, const QString& opening, const QRegularExpression& ending) {
    QStringList lines = text.split(u'\n');
    const qsizetype start = lines.indexOf(opening);
    if (start < 0) {
        return {};
    }
    lines = lines.mid(start + 1);
    const auto end = std::find_if(lines.begin(), lines.end(), [&](const QString& line) {
        return ending.match(line).hasMatch();
    });
    return lines.mid(0, end - lines.begin());
}

// What the first group of a pattern names in the lines, everywhere it matches.
QSet<QString> named(const QStringList& lines, const QRegularExpression& pattern) {
    QSet<QString> names;
    for (const QString& line : lines) {
        auto matches = pattern.globalMatch(line);
        while (matches.hasNext()) {
            names += matches.next().captured(1);
        }
    }
    return names;
}

QSet<QString> setOf(const QStringList& names) {
    return {names.begin(), names.end()};
}

QString reference() {
    QFile file(QStringLiteral(QUERLIN_REFERENCE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    return QString::fromUtf8(file.readAll());
}

TEST(Help, ListsEveryCommand) {
    EXPECT_EQ(named(blockOf(helpOf({u"--help"_qs}), u"Commands:"_qs, kBlankLine),
                    QRegularExpression(QStringLiteral("^  ([a-z]+) "))),
              setOf(commandNames()));
}

TEST(Help, OfEachCommandAndTheReferenceNameItsOptions) {
    const QString text = reference();
    // An option's line of the help begins with it, its short name before it.
    const QRegularExpression helpOption(QStringLiteral("^  (?:-[a-z], )?--([a-z-]+)"));
    // The first cell of a row of the reference's option table names options.
    const QRegularExpression firstCell(QStringLiteral("^\\| ([^|]*) \\|"));
    const QRegularExpression option(QStringLiteral("`--([a-z-]+)"));
    for (const QString& command : commandNames()) {
        SCOPED_TRACE(command.toStdString());
        const QSet<QString> taken = setOf(commandOptions(command));
        ASSERT_FALSE(taken.isEmpty());
        for (const QStringList& words :
             {QStringList{command, u"--help"_qs}, QStringList{u"help"_qs, command}}) {
            EXPECT_EQ(named(blockOf(helpOf(words), u"Options:"_qs, kBlankLine), helpOption),
                      taken + QSet<QString>{u"help"_qs});
        }
        QStringList cells;
        for (const QString& line : blockOf(text, u"## "_qs + command, kSection)) {
            cells += firstCell.match(line).captured(1);
        }
        EXPECT_EQ(named(cells, option), taken);
    }
}

// A description changed since update_reference last wrote the reference
// leaves it behind: the first line that differs names where.
TEST(Reference, HoldsWhatTheCommandsDescriptionsMake) {
    const QString text = reference();
    const std::optional<QString> made = withCommandReferences(text);
    ASSERT_TRUE(made.has_value()) << "a command's markers are missing from docs/reference.md";
    const QStringList lines = text.split(u'\n');
    const QStringList madeLines = made->split(u'\n');
    const auto [line, madeLine] = std::ranges::mismatch(lines, madeLines);
    const auto shown = [](const QStringList& all, QStringList::const_iterator at) {
        return at == all.end() ? u"(the end of the file)"_qs : *at;
    };
    EXPECT_EQ(shown(lines, line), shown(madeLines, madeLine))
        << "docs/reference.md, line " << (line - lines.begin() + 1)
        << ", is not what the commands' descriptions make: "
           "cmake --build build --target update_reference";
}

// A command whose markers are gone is not passed over silently: the
// generator refuses the reference.
TEST(Reference, NeedsEveryCommandsMarkers) {
    const QString text = reference();
    for (const QString& marker :
         {u"<!-- End of the usage and options of dipole -->\n"_qs,
          u"<!-- The usage and options of match, made from its description in src/command_line by "
          "cmake --build build --target update_reference -->\n"_qs}) {
        SCOPED_TRACE(marker.toStdString());
        ASSERT_TRUE(text.contains(marker));
        EXPECT_FALSE(withCommandReferences(QString(text).remove(marker)).has_value());
    }
}

}  // namespace
}  // namespace querlin::cli

int main(int argc, char* argv[]) {
    // The parser names the program in its help from the application's
    // arguments.
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
