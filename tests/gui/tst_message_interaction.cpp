#include "app/gui/message_interaction.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace remitor;

namespace {

// What the box looked like when it came up, and the button the user pressed.
struct Seen {
    QString title, text, defaultButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Waits for the modal box, notes what it shows and presses `press`.
void answerBox(Seen &seen, const QString &press)
{
    QTimer::singleShot(0, [&seen, press] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        for (QAbstractButton *b : box->buttons())
            seen.buttons.append(b->text());
        seen.buttons.sort();
        for (QAbstractButton *b : box->buttons())
            if (b->text() == press)
                b->click();
    });
}

}  // namespace

class TestMessageInteraction : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void boxes_data();
    void boxes();
    void inputLine();
};

void TestMessageInteraction::boxes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("defaultButton");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<bool>("result");
    QTest::newRow("tell, program's title") << u"tell"_s << u"OK"_s << u"Remitor"_s
        << int(QMessageBox::Critical) << u"OK"_s << QStringList{u"OK"_s} << true;
    QTest::newRow("ok/cancel, OK default") << u"okcancel"_s << u"OK"_s << u"Пакетиране"_s
        << int(QMessageBox::NoIcon) << u"OK"_s << QStringList{u"OK"_s, u"Отказ"_s} << true;
    QTest::newRow("ok/cancel, Cancel default, cancelled") << u"okcancel-cancel-default"_s
        << u"Отказ"_s << u"Remitor"_s << int(QMessageBox::NoIcon) << u"Отказ"_s
        << QStringList{u"OK"_s, u"Отказ"_s} << false;
    QTest::newRow("yes/no, no") << u"yesno"_s << u"Не"_s << u"Remitor"_s
        << int(QMessageBox::NoIcon) << u"Да"_s << QStringList{u"Да"_s, u"Не"_s} << false;
    QTest::newRow("yes/no, yes") << u"yesno"_s << u"Да"_s << u"Remitor"_s
        << int(QMessageBox::NoIcon) << u"Да"_s << QStringList{u"Да"_s, u"Не"_s} << true;
}

void TestMessageInteraction::boxes()
{
    QFETCH(QString, kind);
    QFETCH(QString, press);
    QFETCH(QString, title);
    QFETCH(int, icon);
    QFETCH(QString, defaultButton);
    QFETCH(QStringList, buttons);
    QFETCH(bool, result);
    MessageInteraction boxes;
    Interaction &ui = boxes;
    Seen seen;
    answerBox(seen, press);
    bool got = true;
    if (kind == u"tell"_s)
        ui.tell(u"Базата не може да се ремонтира."_s, Interaction::Icon::Critical);
    else if (kind == u"okcancel"_s)
        got = ui.askOkCancel(u"Ремонтира и пакетира базата ?"_s, u"Пакетиране"_s);
    else if (kind == u"okcancel-cancel-default"_s)
        got = ui.askOkCancel(u"Изчиства текущия документ?"_s, {}, true);
    else
        got = ui.askYesNo(u"Печат на цветове?"_s);
    QCOMPARE(got, result);
    QCOMPARE(seen.title, title);
    QCOMPARE(int(seen.icon), icon);
    QCOMPARE(seen.defaultButton, defaultButton);
    QCOMPARE(seen.buttons, buttons);
}

void TestMessageInteraction::inputLine()
{
    MessageInteraction boxes;
    Interaction &ui = boxes;
    QString label, title, shown;
    QTimer::singleShot(0, [&] {
        auto *d = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!d)
            return;
        label = d->labelText();
        title = d->windowTitle();
        shown = d->textValue();
        d->setTextValue(u"Алфа"_s);
        d->accept();
    });
    const auto answer = ui.inputLine(u"Посочете име за търсене.\n\n"_s, u"Търси фирма по име"_s, u"Бета"_s);
    QCOMPARE(answer, std::optional<QString>(u"Алфа"_s));
    QCOMPARE(label, u"Посочете име за търсене.\n\n"_s);
    QCOMPARE(title, u"Търси фирма по име"_s);
    QCOMPARE(shown, u"Бета"_s);
    QTimer::singleShot(0, [] {
        if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            d->reject();
    });
    QCOMPARE(ui.inputLine(u"x"_s, u"y"_s, u"z"_s), std::nullopt);
}

QTEST_MAIN(TestMessageInteraction)
#include "tst_message_interaction.moc"
