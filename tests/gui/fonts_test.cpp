#include "app/fonts.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QtTest>

#include "app/translations.h"

// The design's fonts come from Windows; on Linux they must map to fonts that are present
// and that hold Japanese, or the windows show boxes in place of text.
class FontsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        tarvelo::InstallFontSubstitutions();
        tarvelo::InstallJapaneseQtTranslations(*QCoreApplication::instance());
    }

    void uiFontIsJapanese() {
        const QFont font = tarvelo::UiFont(9);
        const QString family = QFontInfo(font).family();
        QVERIFY2(family.startsWith(u"IPA"), qPrintable(family));
        const QFontMetrics metrics(font);
        for (char32_t c : {U'入', U'ﾎ', U'≫', U'＋', U'±'}) QVERIFY(metrics.inFontUcs4(c));
    }

    void displayFontIsCondensed() {
        const QString family = QFontInfo(QFont(tarvelo::kDisplayFontFamily)).family();
        QVERIFY2(family.contains(u"Condensed") || family.contains(u"Narrow"), qPrintable(family));
    }

    void qtButtonsSpeakJapanese() {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("キャンセル"));
    }
};

QTEST_MAIN(FontsTest)
#include "fonts_test.moc"
