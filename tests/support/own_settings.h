#pragma once

#include <QSettings>
#include <QTemporaryDir>

namespace querlin::testing {

// Settings of a test process's own, in a folder that no user or other test
// shares: the check window keeps its model options there.
class OwnSettings {
  public:
    OwnSettings() {
        if (!folder_.isValid()) {
            qFatal("no folder for the test's settings");
        }
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    }
    // Whether the program's settings are kept there.
    bool hold() const {
        return QSettings(QStringLiteral("QUERLIN"), QStringLiteral("QUERLIN"))
            .fileName()
            .startsWith(folder_.path());
    }

  private:
    QTemporaryDir folder_;
};

}  // namespace querlin::testing
