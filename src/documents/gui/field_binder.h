#pragma once

#include "documents/gui/form.h"
#include "documents/kinds.h"

#include <QColor>
#include <QHash>
#include <QObject>
#include <functional>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QWidget;

namespace remitor {

class DocumentWorkflow;
class Session;

// Binds the text fields of a window to record fields by their object names
// and gives them the editors' common behaviour: yellow while focused; on
// leaving, white again (light cyan for an account, which is upper-cased and
// checked), every field taken into the record and the record shown again;
// Enter takes the fields and moves to the next field of the entry order that
// the window shows, wrapping at the end. Written once for every editor and
// second page.
class FieldBinder : public QObject {
    Q_OBJECT
public:
    FieldBinder(Session &session, DocumentWorkflow &flow, const QList<FieldSpec> &fields,
                QWidget *form);

    QLineEdit *edit(int place) const { return m_edits.value(place); }
    QLineEdit *edit(const QString &name) const;
    const QList<FieldSpec> &fields() const { return m_fields; }
    // The place of the focused field in the entry order; -1 before any.
    int fieldNumber() const { return m_fieldNumber; }

    // Every field's text into the record.
    void takeAll();
    // The focused field left, as a click elsewhere would leave it (its
    // account checked, its bank filled, its period completed): what a
    // command runs first.
    void commitFocused();
    // After a command: the focused field was left by it and shows its
    // document; the focus leaving it later changes nothing unless its text
    // changes first.
    void settleFocused();
    // Stops watching the fields: a window calls it first thing when it is
    // destroyed, because deleting a focused field sends a last "left" event
    // while the record's owner is already gone.
    void detach();
    // Every field shows its record value, and every bound option and check
    // box its record flag.
    void showAll();

    // Binds the option buttons and check boxes of the form that name a
    // record field: clicking one takes the fields and sets its field at once
    // (an option also clears the other fields of its group). The labels of
    // an amount in words follow their amount, as it is typed too.
    void bindOptions(QWidget *form, const QList<FormItem> &items);

    // Run after a field was left and the record shown (the editor refreshes
    // its caption and second page); and for keys the window handles itself
    // (F2, Escape): return true when the key was used.
    std::function<void()> onShown;
    std::function<bool(int key, int place)> onKey;
    // The colour a field turns when it is left, where it is not white (the
    // amount beside its words turns light green).


protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void left(int place);

    Session &m_session;
    DocumentWorkflow &m_flow;
    QList<FieldSpec> m_fields;
    QList<QLineEdit *> m_edits;
    struct Option {
        QAbstractButton *button;
        QString field;
        int value;
        bool radio;
    };
    QList<Option> m_options;
    struct Words {
        QLabel *label;
        QString field;
    };
    QList<Words> m_words;
    void showWords(const Words &words, Money amount);
    void optionClicked(const Option &option);
    void showOptions();
    int m_fieldNumber = -1;
    bool m_busy = false;
    int m_settled = -1;  // the place settleFocused() marked
};

}  // namespace remitor
