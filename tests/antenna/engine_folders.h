#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include "support/stand_in.h"

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

using querlin::testing::standIn;

}  // namespace querlin::nec
