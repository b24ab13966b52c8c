#include "app/qtplatform.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

using tarvelo::Platform;

Q_DECLARE_METATYPE(Platform::Buttons)
Q_DECLARE_METATYPE(Platform::Answer)

namespace {

// Runs the action on the message box once it is open.
void WhenBoxOpens(std::function<void(QMessageBox*)> action) {
    auto* poll = new QTimer();
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            action(box);
        }
    });
    poll->start(5);
}

}  // namespace

// The program's message boxes: what the user sees and which answer each key gives.
class QtPlatformTest : public QObject {
    Q_OBJECT

  private slots:
    void answers_data() {
        QTest::addColumn<Platform::Buttons>("buttons");
        QTest::addColumn<Platform::Answer>("defaultButton");
        QTest::addColumn<int>("key");
        QTest::addColumn<Platform::Answer>("answer");
        QTest::newRow("confirmation, Escape is Cancel")
            << Platform::Buttons::OkCancel << Platform::Answer::Cancel << int(Qt::Key_Escape)
            << Platform::Answer::Cancel;
        QTest::newRow("confirmation, Enter presses the preselected Cancel")
            << Platform::Buttons::OkCancel << Platform::Answer::Cancel << int(Qt::Key_Return)
            << Platform::Answer::Cancel;
        QTest::newRow("confirmation, OK clicked")
            << Platform::Buttons::OkCancel << Platform::Answer::Cancel << 0 << Platform::Answer::Ok;
        QTest::newRow("warning, Escape closes with OK")
            << Platform::Buttons::Ok << Platform::Answer::Ok << int(Qt::Key_Escape)
            << Platform::Answer::Ok;
    }
    void answers() {
        QFETCH(Platform::Buttons, buttons);
        QFETCH(Platform::Answer, defaultButton);
        QFETCH(int, key);
        QFETCH(Platform::Answer, answer);

        const QString text =
            QStringLiteral("入力モードを閉じてトップメニューへ戻ります。 よろしいですか？　　");
        QString seenTitle;
        QString seenText;
        QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
        QAbstractButton* seenDefault = nullptr;
        QAbstractButton* cancel = nullptr;
        WhenBoxOpens([&](QMessageBox* box) {
            seenTitle = box->windowTitle();
            seenText = box->text();
            seenIcon = box->icon();
            seenDefault = box->defaultButton();
            cancel = box->button(QMessageBox::Cancel);
            if (key == 0) {
                box->button(QMessageBox::Ok)->click();
            } else {
                QTest::keyClick(box, Qt::Key(key));
            }
        });

        tarvelo::QtPlatform platform;
        Platform::Message message;
        message.icon = Platform::Icon::Exclamation;
        message.buttons = buttons;
        message.defaultButton = defaultButton;
        message.title = QStringLiteral("Tarvelo 2005");
        message.text = text;
        QVERIFY(platform.ShowMessage(nullptr, message) == answer);

        QCOMPARE(seenTitle, QStringLiteral("Tarvelo 2005"));
        QCOMPARE(seenText, text);
        QCOMPARE(seenIcon, QMessageBox::Warning);
        if (buttons == Platform::Buttons::OkCancel) {
            QVERIFY(cancel != nullptr);
            QCOMPARE(seenDefault, cancel);
        }
    }
};

QTEST_MAIN(QtPlatformTest)
#include "qtplatform_test.moc"
