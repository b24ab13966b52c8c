#include "app/vendornotices.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/fonts.h"

namespace tarvelo {

namespace {

void ShowNotice(QWidget* owner, const char* name, const QString& title, const QString& text) {
    QDialog dialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint);
    dialog.setObjectName(QString::fromLatin1(name));
    dialog.setWindowTitle(title);
    dialog.setFont(UiFont(9));
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(text, &dialog);
    label->setObjectName(QStringLiteral("lblNotice"));
    label->setWordWrap(true);
    label->setMinimumWidth(380);
    layout->addWidget(label);
    auto* ok = new QPushButton(QStringLiteral("O K"), &dialog);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    ok->setMinimumWidth(120);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    dialog.exec();
}

}  // namespace

void ShowShopNotice(QWidget* owner) {
    ShowNotice(owner, "frmCustomizing", QStringLiteral("ショップにてご利用のユーザー様へ"),
               QStringLiteral(
                   "Tarvelo 2005 をタイヤ・ホイール販売店の店頭でご利用いただき、"
                   "ありがとうございます。\n\n"
                   "お客様にご説明する際は、解析結果モードの画面を印刷してお渡しいただくと、"
                   "変更前と変更後の違いが一目で伝わります。\n"
                   "判定は入力した値にもとづく計算結果です。装着の前には、必ず実車で"
                   "クリアランスをご確認下さい。\n\n"
                   "店名の表示など店頭向けの調整については、このプログラムの配布元にご相談下さい。"));
}

void ShowProductNotice(QWidget* owner) {
    ShowNotice(owner, "frmInformation", QStringLiteral("その他の製品のご案内"),
               QStringLiteral(
                   "Tarvelo 2005 には、保存した解析結果を開いて確認できる "
                   "「Tarvelo 2005 Viewer」が含まれています。トップメニューから起動できます。\n\n"
                   "コマンドラインツール tarvelo-cli を使うと、保存した入力データを"
                   "まとめて解析することもできます。"));
}

}  // namespace tarvelo
