#pragma once

#include "documents/workflow.h"
#include "session/session.h"
#include "support/scripted_interaction.h"

#include <QTemporaryDir>

namespace remitor::test {

// The program's session in a fresh folder, with a scripted user, and the
// workflow of one document kind over it: the editor without its window.
struct KindFixture {
    QTemporaryDir dir;
    ScriptedInteraction ui;
    Session session{dir.path(), ui, QDate(2010, 3, 5)};
    DocumentWorkflow flow;

    explicit KindFixture(const QString &id) : flow(session, kindById(id)) { session.startUp(); }
    Record &rec() { return flow.record(); }
    // Fields typed as "field=text", each taken as its editor takes it.
    void type(const QStringList &typed)
    {
        for (const QString &t : typed)
            flow.take(*flow.kind().fieldSpec(t.section(u'=', 0, 0)), t.section(u'=', 1));
    }
};

}  // namespace remitor::test
