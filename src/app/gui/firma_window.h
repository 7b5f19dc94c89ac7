#pragma once

#include <QHash>
#include <QWidget>

class QLineEdit;

namespace remitor {

class FieldFocus;
class Session;

// "Данни за фирмата": the own company's record, saved field by field as
// each field is left. There is no save button.
class FirmaWindow : public QWidget {
    Q_OBJECT
public:
    explicit FirmaWindow(Session &session, QWidget *parent = nullptr);
    ~FirmaWindow() override;

    QLineEdit *field(const QString &objectName) const;

Q_SIGNALS:
    // The name or the town changed: the main window's caption follows.
    void captionChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Takes the field into the record and saves the record.
    void commit(QLineEdit *edit);
    // An account row was left: the account checked, its bank filled from
    // the directory, and every valid account stored.
    void commitAccount(QLineEdit *edit);
    static constexpr int OwnAccountRows = 4;
    QList<QLineEdit *> m_accounts;  // bank, IBAN, BIC of each row

    Session &m_session;
    QList<QLineEdit *> m_cycle;             // the order of Enter
    QHash<QLineEdit *, QString> m_fieldOf;  // window field -> record field
    QHash<QLineEdit *, QString> m_committed;
    FieldFocus *m_focus;
};

// "Подписи в края на справките": the signature lines of the reports.
class SignaturesWindow : public QWidget {
    Q_OBJECT
public:
    explicit SignaturesWindow(Session &session, QWidget *parent = nullptr);

    void save();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Session &m_session;
    QList<QLineEdit *> m_lines;
};

}  // namespace remitor
