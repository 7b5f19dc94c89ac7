#pragma once

#include "app/gui/main_window.h"
#include "documents/gui/editor_window.h"
#include "session/session.h"
#include "support/gui_support.h"
#include "support/scripted_interaction.h"
#include "support/temp_store.h"

#include <QAction>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>

namespace remitor::test {

// The program in a fresh folder with a scripted user, its main window up,
// and the editor of one kind opened as a user opens it: by its picture
// button or its menu item. Any modal window the test does not answer fails the test.
struct EditorApp {
    QTemporaryDir dir;
    ScriptedInteraction ui;
    Session session{dir.path(), ui, QDate(2010, 3, 5)};
    MainWindow window{session};
    const KindWiring &wiring;
    EditorWindow *editor = nullptr;
    ModalGuard guard;

    explicit EditorApp(const QString &kind = QStringLiteral("Pln")) : wiring(*wiringOf(kind))
    {
        session.startUp();
        window.show();
    }
    // A kind without a picture button opens from its menu item.
    bool open()
    {
        if (wiring.toolButton.isEmpty())
            window.action(wiring.menuItem)->trigger();
        else
            QTest::mouseClick(window.button(wiring.toolButton), Qt::LeftButton);
        editor = window.findChild<EditorWindow *>(kindById(wiring.kind).editor);
        return editor && editor->isVisible() && activate(editor);
    }
    const KindDescriptor &kind() const { return kindById(wiring.kind); }
    QLineEdit *field(const QString &name) { return editor->findChild<QLineEdit *>(name); }
    Record &rec() { return editor->workflow().record(); }
    // A command of the editor's column, clicked with the mouse.
    void click(const QString &command)
    {
        QTest::mouseClick(editor->command(command), Qt::LeftButton);
    }
    // The kind's stored rows, as "a|b|c" of the columns named.
    QStringList stored(const QString &columns)
    {
        return rowsOn(dir.filePath(QStringLiteral("Remitor.MDB")),
                      QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM ") + kind().table +
                          QStringLiteral(" ORDER BY kod"));
    }
};

// A contractor in the list, as the payee and payer picks find it.
inline void seedContractor(Store &store, int number,
                           const QList<std::pair<QString, QString>> &texts)
{
    auto t = store.table(DbKind::Main, QStringLiteral("KlientTable"));
    Record k(t->def());
    k.setKey(number);
    for (const auto &[field, text] : texts)
        k.setText(field, text);
    QVERIFY(t->save(k));
}

}  // namespace remitor::test
