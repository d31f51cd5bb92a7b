#include "program/qt/UserValuesQt.h"

#include <QSettings>

namespace {

// Organization = AppName and no application name: on Windows that is the
// key HKEY_CURRENT_USER\Software\<AppName> itself.
QSettings store(const std::string& appName) {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(appName),
                     QString());
}

} // namespace

std::optional<std::uint32_t> QSettingsUserValues::get(const std::string& appName,
                                                      const std::string& name) const {
    if (appName.empty())
        return std::nullopt;
    const QVariant v = store(appName).value(QString::fromStdString(name));
    bool ok = false;
    const uint n = v.toUInt(&ok);
    if (!v.isValid() || !ok)
        return std::nullopt;
    return std::uint32_t(n);
}

void QSettingsUserValues::set(const std::string& appName, const std::string& name,
                              std::uint32_t value) {
    if (appName.empty())
        return;
    store(appName).setValue(QString::fromStdString(name), uint(value));
}

std::optional<std::string> QSettingsUserValues::getText(const std::string& appName,
                                                        const std::string& name) const {
    if (appName.empty())
        return std::nullopt;
    const QVariant v = store(appName).value(QString::fromStdString(name));
    if (!v.isValid())
        return std::nullopt;
    return v.toString().toStdString();
}

void QSettingsUserValues::setText(const std::string& appName, const std::string& name,
                                  const std::string& value) {
    if (appName.empty())
        return;
    store(appName).setValue(QString::fromStdString(name), QString::fromStdString(value));
}
