#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include "windows.h"

namespace tarvelo::testing {

// The names of the input form's entries.
inline const QStringList kNumberBoxNames{"Text13",
                                         "Text18",
                                         "Text23",
                                         "Text28",
                                         "F2_FC_FL_Hikikomi_Old_TXT",
                                         "F2_FC_FR_Hikikomi_Old_TXT",
                                         "F2_FC_RL_Hikikomi_Old_TXT",
                                         "F2_FC_RR_Hikikomi_Old_TXT"};
inline const QStringList kListNames{"Combo11", "Combo12", "Combo1", "Combo14", "Combo15",
                                    "Combo16", "Combo17", "Combo2", "Combo19", "Combo20",
                                    "Combo21", "Combo22", "Combo3", "Combo24", "Combo25",
                                    "Combo26", "Combo27", "Combo4", "Combo29", "Combo30"};

// Selects the list item of that text.
inline void Pick(QWidget* form, const QString& list, const QString& item) {
    auto* combo = Control<QComboBox>(form, list);
    const int index = combo->findText(item);
    QVERIFY2(index >= 0, qPrintable(list + " has no " + item));
    combo->setCurrentIndex(index);
}

// Types the text into the emptied box, key by key.
inline void Type(QWidget* form, const QString& box, const QString& text) {
    auto* edit = Control<QLineEdit>(form, box);
    edit->clear();
    QTest::keyClicks(edit, text);
}

// Fills every entry of the form: pairs of a control's name and its value, a list's item
// or a box's text, put in in the order given.
inline void Fill(QWidget* form, const QList<std::pair<QString, QString>>& entries) {
    for (const auto& [name, value] : entries) {
        if (kNumberBoxNames.contains(name)) {
            Type(form, name, value);
        } else {
            Pick(form, name, value);
        }
    }
}

// A complete set whose every box text is the number's shortest form, so that it comes
// back from a file as it was typed; all three directions are used.
inline const QList<std::pair<QString, QString>> kCompleteSet{
    {"Combo11", "15"},
    {"Combo12", "6.5"},
    {"Combo1", "＋"},
    {"Text13", "45"},
    {"Combo14", "195"},
    {"Combo15", "55"},
    {"F2_FC_FL_Hikikomi_Old_TXT", "12.5"},
    {"F2_FC_FR_Hikikomi_Old_TXT", "10"},
    {"Combo16", "16"},
    {"Combo17", "7"},
    {"Combo2", "－"},
    {"Text18", "8"},
    {"Combo19", "205"},
    {"Combo20", "50"},
    {"F2_FC_RL_Hikikomi_Old_TXT", "0.5"},
    {"F2_FC_RR_Hikikomi_Old_TXT", "7"},
    {"Combo21", "17"},
    {"Combo22", "7.5"},
    {"Combo3", "±"},
    {"Combo24", "215"},
    {"Combo25", "45"},
    {"Combo26", "18"},
    {"Combo27", "8.5"},
    {"Combo4", "＋"},
    {"Text28", "35"},
    {"Combo29", "225"},
    {"Combo30", "40"},
};

}  // namespace tarvelo::testing
