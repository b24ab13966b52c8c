#include <QLabel>
#include <QtTest>
#include <functional>

#include "app/form1.h"
#include "app/frmabout.h"
#include "app/frmsplash.h"
#include "input/form2.h"
#include "results/form4.h"
#include "results/form7.h"
#include "scriptedplatform.h"
#include "windows.h"

using tarvelo::testing::Control;
using tarvelo::testing::ScriptedPlatform;

namespace {

struct Area {
    const char* name;
    QSize size;
};

struct WindowPictures {
    const char* window;
    std::function<QWidget*()> make;
    std::vector<Area> areas;
};

// Every picture area of every window, with the size of the picture its load step puts in.
std::vector<WindowPictures> Table() {
    using tarvelo::frmAbout;
    return {
        {"frmSplash", [] { return new tarvelo::frmSplash(); },
         {{"Image2", {139, 25}}, {"Image3", {449, 52}}, {"Image5", {143, 17}}}},
        {"Form1", [] { return new tarvelo::Form1(); },
         {{"Image3", {312, 36}}, {"Image2", {139, 25}}, {"Image9", {110, 15}},
          {"Image5", {337, 123}}, {"Image7", {202, 12}}, {"Image4", {241, 12}}}},
        {"Form2", [] { return new tarvelo::Form2(); },
         {{"Image4", {312, 36}}, {"Image2", {139, 25}}, {"Image5", {68, 13}},
          {"Image6", {68, 13}}, {"Image7", {68, 13}}, {"Image8", {68, 13}},
          {"Image9", {125, 15}}, {"Image10", {125, 15}}, {"Image11", {36, 14}}}},
        {"Form4", [] { return new tarvelo::Form4(); },
         {{"Image4", {312, 36}}, {"Image1", {95, 17}}, {"Image9", {62, 15}},
          {"Image5", {55, 13}}}},
        {"Form7", [] { return new tarvelo::Form7(); },
         {{"Image4", {285, 36}}, {"Image1", {95, 17}}, {"Image9", {62, 15}},
          {"Image5", {55, 13}}}},
        {"frmAbout", [] { return new frmAbout(frmAbout::Edition::Standard, nullptr); },
         {{"Image3", {50, 225}}, {"Image4", {330, 38}}, {"Image2", {139, 25}},
          {"Image5", {140, 14}}, {"Image6", {290, 24}}}},
        {"frmAbout1", [] { return new frmAbout(frmAbout::Edition::Viewer, nullptr); },
         {{"Image3", {50, 225}}, {"Image6", {290, 24}}, {"Image2", {139, 25}},
          {"Image5", {140, 14}}, {"Image4", {296, 38}}}},
    };
}

}  // namespace

class WindowPicturesTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { tarvelo::testing::CloseAll(); }

    void everyAreaHoldsItsPicture() {
        ScriptedPlatform platform;
        for (const WindowPictures& w : Table()) {
            QWidget* window = w.make();
            QCOMPARE(window->objectName(), QString::fromLatin1(w.window));
            for (const Area& area : w.areas) {
                auto* label = Control<QLabel>(window, QString::fromLatin1(area.name));
                const QString where = QStringLiteral("%1 %2").arg(w.window, area.name);
                QVERIFY2(!label->pixmap().isNull(), qPrintable(where));
                QCOMPARE(label->pixmap().size(), area.size);
                QCOMPARE(label->size(), area.size);
            }
            window->close();
            delete window;
        }
    }
};

QTEST_MAIN(WindowPicturesTest)
#include "window_pictures_test.moc"
