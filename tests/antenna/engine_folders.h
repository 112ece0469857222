#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace querlin::nec {

// Every test runs the engine with the temporary folder pointed at one of its
// own, which must be empty again at the end: the engine's folders go.
class EngineFolders : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temporary_.isValid());
        saved_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", temporary_.path().toLocal8Bit());
    }
    void TearDown() override {
        qputenv("TMPDIR", saved_);
        EXPECT_TRUE(QDir(temporary_.path())
                        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                        .isEmpty());
    }

  private:
    QTemporaryDir temporary_;
    QByteArray saved_;
};

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

}  // namespace querlin::nec
