#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace querlin::testing {

// A shell script standing in for the engine at that path, its lines after
// the #! line as given; whether it could be written.
inline bool standIn(const QString& path, const QByteArray& lines) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("#!/bin/sh\n" + lines + '\n') < 0) {
        return false;
    }
    file.close();
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace querlin::testing
