// Every text of the navigation has a German translation in the folder's own .ts file.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QXmlStreamReader>

#include "viewer/navigation/navigation_commands.h"
#include "viewer/navigation/navigation_strings.h"

namespace grafyon {
namespace {

// context -> source -> translation, read from the .ts file.
QMap<QString, QMap<QString, QString>> ReadTranslations(const QString& path) {
    QMap<QString, QMap<QString, QString>> result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    QXmlStreamReader xml(&file);
    QString context, source, translation;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == QLatin1String("message"))
                result[context][source] = translation;
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            source.clear();
            translation.clear();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return result;
}

TEST(NavigationStrings, EveryPromptAndEveryActionTextHasAGermanText) {
    const auto ts = ReadTranslations(QStringLiteral(NAVIGATION_TS_FILE));
    ASSERT_FALSE(ts.isEmpty());
    const auto& numbered = ts.value(VIEWER_STRINGS_CONTEXT);
    for (const ViewerStringEntry& entry : NavigationStringTable()) {
        const QString german = numbered.value(QString::number(entry.id));
        EXPECT_FALSE(german.isEmpty()) << entry.id;
        EXPECT_NE(german, QString::fromUtf8(entry.english)) << entry.id;
    }
    const auto& texts = ts.value(NAVIGATION_CONTEXT);
    int ownTexts = 0;
    for (const NavigationCommandText& text : NavigationCommandTexts()) {
        if (text.menuText == nullptr) {
            // The action shows its numbered prompt.
            EXPECT_FALSE(NavigationString(text.commandId).isEmpty()) << text.commandId;
            continue;
        }
        ++ownTexts;
        EXPECT_FALSE(texts.value(QString::fromUtf8(text.menuText)).isEmpty()) << text.menuText;
    }
    EXPECT_GT(ownTexts, 10);
}

TEST(NavigationStrings, EnglishWithoutATranslatorAndEveryCommandHasAText) {
    EXPECT_EQ(NavigationString(NAV_CMD_FULL_RANGE), "Show full time range");
    EXPECT_EQ(NavigationString(NAV_CMD_ZOOM_IN), "");
    EXPECT_EQ(NavigationMenuText(NAV_CMD_ZOOM_OUT), "Zoom &out");
    EXPECT_EQ(NavigationMenuText(NAV_CMD_UNDO_ZOOM), "Undo Zoom");
    EXPECT_EQ(NavigationMenuText(4711), "");
    for (const NavigationCommandText& text : NavigationCommandTexts()) {
        EXPECT_FALSE(NavigationMenuText(text.commandId).isEmpty()) << text.commandId;
    }
}

}  // namespace
}  // namespace grafyon
