// QSettings in INI form behind SettingsFile.
#include "settings_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <charconv>
#include <cstdlib>

namespace grafyon {

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The stored name of a child (group or key) that equals name without regard to case.
QString FindNoCase(const QStringList& names, const QString& name) {
    for (const QString& candidate : names) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return candidate;
    }
    return {};
}

// Opens the stored group that matches section; false when there is none.
bool BeginSection(QSettings& settings, std::string_view section, bool create) {
    if (section.empty())
        return true;
    const QString wanted = Q(section);
    QString stored = FindNoCase(settings.childGroups(), wanted);
    if (stored.isEmpty()) {
        if (!create)
            return false;
        stored = wanted;
    }
    settings.beginGroup(stored);
    return true;
}

}  // namespace

std::string SettingsFile::PathFor(SettingsScope scope, std::string_view name) {
    std::string base;
    if (scope == SettingsScope::User) {
        base = Env("XDG_CONFIG_HOME");
        if (base.empty())
            base = Env("HOME") + "/.config";
    } else {
        const std::string dirs = Env("XDG_CONFIG_DIRS");
        base = dirs.substr(0, dirs.find(':'));
        if (base.empty())
            base = "/etc/xdg";
    }
    return base + "/Vantorelline/" + std::string(name) + ".ini";
}

SettingsFile::SettingsFile(SettingsScope scope, std::string_view name)
    : m_path(PathFor(scope, name)),
      m_settings(
          std::make_unique<QSettings>(QString::fromStdString(m_path), QSettings::IniFormat)) {
    m_settings->setFallbacksEnabled(false);
}

SettingsFile::~SettingsFile() = default;

std::optional<std::string> SettingsFile::ReadString(std::string_view section,
                                                    std::string_view name) const {
    QSettings& s = *m_settings;
    if (m_batchDepth == 0)
        s.sync();  // pick up changes other programs made since
    if (!BeginSection(s, section, false))
        return std::nullopt;
    const QString key = FindNoCase(s.childKeys(), Q(name));
    std::optional<std::string> result;
    if (!key.isEmpty()) {
        const QVariant value = s.value(key);
        // A text with commas that another tool wrote unquoted reads back as a list.
        if (value.typeId() == QMetaType::QStringList) {
            result = value.toStringList().join(QStringLiteral(", ")).toStdString();
        } else {
            result = value.toString().toStdString();
        }
    }
    if (!section.empty())
        s.endGroup();
    return result;
}

std::optional<std::int64_t> SettingsFile::ReadInt(std::string_view section,
                                                  std::string_view name) const {
    const std::optional<std::string> text = ReadString(section, name);
    if (!text)
        return std::nullopt;
    std::string_view digits = *text;
    while (!digits.empty() && digits.front() == ' ')
        digits.remove_prefix(1);
    while (!digits.empty() && digits.back() == ' ')
        digits.remove_suffix(1);
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

bool SettingsFile::WriteString(std::string_view section, std::string_view name,
                               std::string_view value) {
    QSettings& s = *m_settings;
    if (m_batchDepth == 0)
        s.sync();
    BeginSection(s, section, true);
    QString key = FindNoCase(s.childKeys(), Q(name));
    if (key.isEmpty())
        key = Q(name);
    const QVariant previous = s.value(key);
    s.setValue(key, Q(value));
    if (m_batchDepth > 0) {
        if (!section.empty())
            s.endGroup();
        return true;
    }
    const bool written = Sync();
    if (!written) {
        // QSettings shares unsaved values between all objects on one file: take the
        // value back so that nobody reads what never reached the file.
        if (previous.isValid()) {
            s.setValue(key, previous);
        } else {
            s.remove(key);
        }
    }
    if (!section.empty())
        s.endGroup();
    return written;
}

bool SettingsFile::Sync() {
    QDir().mkpath(QFileInfo(QString::fromStdString(m_path)).absolutePath());
    m_settings->sync();
    return m_settings->status() == QSettings::NoError &&
           QFileInfo::exists(QString::fromStdString(m_path));
}

void SettingsFile::BeginBatch() {
    ++m_batchDepth;
}

bool SettingsFile::EndBatch() {
    if (m_batchDepth == 0 || --m_batchDepth > 0)
        return true;
    return Sync();
}

bool SettingsFile::WriteInt(std::string_view section, std::string_view name, std::int64_t value) {
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    (void)ec;
    return WriteString(section, name, std::string_view(text, static_cast<std::size_t>(end - text)));
}

bool SettingsFile::Remove(std::string_view section, std::string_view name) {
    QSettings& s = *m_settings;
    s.sync();
    if (!BeginSection(s, section, false))
        return true;
    const QString key = FindNoCase(s.childKeys(), Q(name));
    if (!key.isEmpty())
        s.remove(key);
    if (!section.empty())
        s.endGroup();
    s.sync();
    return s.status() == QSettings::NoError;
}

std::vector<std::string> SettingsFile::ValueNames(std::string_view section) const {
    QSettings& s = *m_settings;
    if (m_batchDepth == 0)
        s.sync();
    std::vector<std::string> names;
    if (!BeginSection(s, section, false))
        return names;
    for (const QString& key : s.childKeys())
        names.push_back(key.toStdString());
    if (!section.empty())
        s.endGroup();
    return names;
}

}  // namespace grafyon
