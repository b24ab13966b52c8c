#pragma once

#include <QApplication>
#include <QWidget>
#include <QtTest>

namespace tarvelo::testing {

// Destroys the windows that were closed; the program destroys them once back in its
// event loop.
inline void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The program's windows of the given design name that are still alive.
inline QList<QWidget*> Windows(const QString& name) {
    Settle();
    QList<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name) found << w;
    }
    return found;
}

// The names of every window of the program that is alive and shown.
inline QStringList ShownWindows() {
    Settle();
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName().startsWith(u"Form")) names << w->objectName();
    }
    names.sort();
    return names;
}

inline void CloseAll() {
    QApplication::closeAllWindows();
    Settle();
}

// A control of a window by its design name; the test stops when there is none.
template <typename T>
T* Control(const QObject* window, const QString& name) {
    T* control = window->findChild<T*>(name);
    if (control == nullptr) qFatal("no control %s", qPrintable(name));
    return control;
}

// Shows the window and waits until it has the keyboard, as a window the user works in.
inline bool ShowActive(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

}  // namespace tarvelo::testing
