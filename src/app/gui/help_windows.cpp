#include "help_windows.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace remitor {

QString HelpWindow::helpText()
{
    const QStringList paragraphs = {
        u"Програмата попълва, съхранява и отпечатва банкови платежни документи с номерата на сметките по IBAN."_s,
        u"Документите се попълват така, както се попълват хартиените бланки. Всеки документ може да се запише като нов запис или върху показания, така че записаният документ служи за образец на нов."_s,
        u"Процедурата \"Подрежда базата\" подрежда всички документи по наредителя, защото документите на различни фирми се размесват."_s,
        u"Таблицата с контрагентите попълва данните за банката, сметката и името на получателя, платеца или наредителя."_s,
        u"Цифрите на сметките и параграфите не е нужно да се разреждат с интервали: програмата го прави сама."_s,
        u"Полетата за дати на платежното нареждане към бюджета имат бутони за избор на дата от календар."_s,
        u"Документите се отпечатват в обичайните си цветове, когато принтерът позволява това."_s,
        u"Изтритият документ остава на екрана и може да се запише отново, включително на друго място в таблицата."_s,
        u"Документите могат да се записват в базата за справки, за да се правят справки по получател, наредител и дати."_s,
        u"Бутонът [No:] на касовите ордери чете последния номер от базата за справки и добавя единица."_s,
        u"Прехвърлянето на документи между компютри става с експорт и импорт, като може да се избере дали документите първо да се изчистят или да се добавят към наличните."_s,
        u"Документите от по-старата версия 3.0 могат да се внесат, след като се изнесат от нея."_s,
        u"Във всеки вид документ клавишът F2 в поле за сметка заменя старите сметки с нови във всички записи."_s,
    };
    QString text;
    for (const QString &p : paragraphs)
        text += u"     "_s + p + u'\n';
    return text;
}

HelpWindow::HelpWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"frmHelp"_s);
    setWindowTitle(u"Помощна информация"_s);
    auto *text = new QPlainTextEdit(helpText(), this);
    text->setObjectName(u"txtHelp"_s);
    text->setReadOnly(true);
    text->setFont(QFont(u"Times New Roman"_s, 12));
    auto *buttons = new QDialogButtonBox(this);
    auto *exit = buttons->addButton(u"Изход"_s, QDialogButtonBox::RejectRole);
    exit->setObjectName(u"cmdExit"_s);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(620, 460);
}

AboutWindow::AboutWindow(const QString &dataFolder, QWidget *parent) : QDialog(parent)
{
    setObjectName(u"frmAbout"_s);
    setWindowTitle(u"За програмата"_s);
    auto *title = new QLabel(u"REMITOR"_s, this);
    title->setObjectName(u"lblTitle"_s);
    title->setFont(QFont(u"Times New Roman"_s, 26, QFont::Bold));
    auto *version = new QLabel(u"Версия "_s + u"4.16"_s, this);
    version->setObjectName(u"lblVersion"_s);
    version->setFont(QFont(u"Times New Roman"_s, 14));
    auto *what = new QLabel(u"Банкови платежни документи, касови ордери и касова книга"_s, this);
    what->setWordWrap(true);
    // Started from the menu, the program keeps its data in a folder the user
    // never chose: this line tells where to look for it (and to copy it from).
    auto *folder = new QLabel(u"Папка с данните: "_s + QDir::toNativeSeparators(dataFolder), this);
    folder->setObjectName(u"lblDataFolder"_s);
    folder->setWordWrap(true);
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    for (QLabel *l : {title, version, what, folder})
        l->setAlignment(Qt::AlignCenter);
    auto *ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(u"cmdOK"_s);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(what);
    layout->addWidget(folder);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    // The path breaks only at blanks: a long one widens the window.
    const int margins = layout->contentsMargins().left() + layout->contentsMargins().right();
    const int width = std::max(
        360, folder->fontMetrics().horizontalAdvance(QDir::toNativeSeparators(dataFolder)) +
                 margins + 8);
    setFixedSize(width, 200 + folder->heightForWidth(width - margins));
}

}  // namespace remitor
