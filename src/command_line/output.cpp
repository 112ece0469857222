#include "output.h"

#include <QCoreApplication>

#include <QJsonDocument>
#include <QSaveFile>
#include <ostream>

#include "fault.h"

namespace querlin::cli {

QLocale localeFor(bool user) {
    return user ? QLocale() : QLocale::c();
}

void writeLine(std::ostream& out, const QByteArray& line) {
    out.write(line.constData(), line.size());
    out.put('\n');
}

void writeJson(std::ostream& out, const QJsonObject& object) {
    writeLine(out, QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QJsonObject jsonOf(const Results& results) {
    QJsonObject object;
    for (const Result& result : results) {
        object.insert(QLatin1String(result.name), result.text);
    }
    return object;
}

void printResults(const Output& output, const Results& results) {
    if (output.json) {
        writeJson(output.out, jsonOf(results));
        return;
    }
    for (const Result& result : results) {
        writeLine(output.out, result.text.toUtf8());
    }
}

void explain(const Output& output, const QString& why) {
    output.out.flush();
    writeLine(output.err, why.toUtf8());
}

QString csvField(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"')) {
        return text;
    }
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

void save(const QString& path, const QByteArray& bytes, const QString& what) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit()) {
        unwritten(path, what, file.errorString());
    }
}

void unwritten(const QString& path, const QString& what, const QString& why) {
    throw Fault(FaultStatus::Engine,
                QCoreApplication::translate("querlin-calc", "Could not write %1 to %2: %3")
                    .arg(what, path, why));
}

}  // namespace querlin::cli
