#include "platform/Settings.h"

#include <QSettings>

namespace tarvelo::platform {

namespace {

QSettings Store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kSettingsApplication));
}

QString LookKey() {
    return QString::fromLatin1(kWorkspaceSection) + QLatin1Char('/') +
           QString::fromLatin1(kApplicationLookValue);
}

} // namespace

unsigned ReadApplicationLook(unsigned defaultId) {
    const QVariant value = Store().value(LookKey());
    bool ok = false;
    const uint id = value.toUInt(&ok);
    return ok ? id : defaultId;
}

void WriteApplicationLook(unsigned id) {
    QSettings store = Store();
    store.setValue(LookKey(), id);
    store.sync();
}

QString SettingsLocation() {
    return Store().fileName();
}

} // namespace tarvelo::platform
