#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

namespace querlin::testing {

// The rows of one table in a JSON file of cases under tests/, each row a list
// of strings.
inline QList<QStringList> cases(const char* file, const char* table) {
    QFile json(QStringLiteral(QUERLIN_TESTS_DIR "/") + QLatin1String(file));
    EXPECT_TRUE(json.open(QIODevice::ReadOnly)) << file;
    QList<QStringList> rows;
    for (const QJsonValue& row : QJsonDocument::fromJson(json.readAll())[table].toArray()) {
        rows << row.toVariant().toStringList();
    }
    EXPECT_FALSE(rows.isEmpty()) << table;
    return rows;
}

}  // namespace querlin::testing
