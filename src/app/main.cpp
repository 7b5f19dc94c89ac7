#include "app/gui/main_window.h"
#include "app/gui/message_interaction.h"
#include "base/gui/translations.h"
#include "session/data_folder.h"
#include "session/session.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace remitor;

namespace {

void print(FILE *stream, const QString &text)
{
    const QByteArray bytes = (text.endsWith(u'\n') ? text : text + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// The user of --init-only sits at a terminal, or is a script: messages go
// to the error stream and every question gets the cautious answer.
class ConsoleInteraction final : public Interaction {
public:
    void tell(const QString &text, Icon, const QString &) override { print(stderr, text); }
    bool askOkCancel(const QString &text, const QString &, bool, Icon) override
    {
        print(stderr, text);
        return false;
    }
    bool askYesNo(const QString &text, const QString &, Icon) override
    {
        print(stderr, text);
        return false;
    }
    std::optional<QString> inputLine(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    SaveChoice::Result chooseSave(const SaveChoice &) override { return SaveChoice::Cancel; }
    int pickFromList(const FindListView &) override { return -1; }
    std::optional<SearchRequest> askSearch(const QString &) override { return std::nullopt; }
    bool pickDate(QDate &, QDate &, const QString &, QPoint) override { return false; }
};

struct Options {
    QCommandLineOption help{{u"h"_s, u"help"_s}, u"Показва тази помощ."_s};
    QCommandLineOption version{{u"v"_s, u"version"_s}, u"Показва версията на програмата."_s};
    QCommandLineOption data{u"data"_s, u"Работи с базите данни в ПАПКА и я създава, ако липсва."_s,
                            u"ПАПКА"_s};
    QCommandLineOption desktop{u"desktop"_s,
                               u"Стартиране от менюто: данните са в "_s + UserDataFolder() +
                                   u", освен ако текущата папка вече съдържа Remitor.MDB."_s};
    // Prepares the databases and ends without a window: for scripts that set
    // up a data folder, and for the tests of the start-up.
    QCommandLineOption initOnly{u"init-only"_s, u"Подготвя базите данни и завършва."_s};
};

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(u"Remitor"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(REMITOR_VERSION));

    // Parsed before any application object, so that --help, --version and
    // a mistyped option are answered without a display.
    Options o;
    o.initOnly.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Remitor — банкови платежни документи.\n"
        u"Без --data програмата работи в текущата папка; от менюто на работния плот - "
        u"в папката на потребителя."_s);
    parser.addOptions({o.help, o.version, o.data, o.desktop, o.initOnly});
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bool parsed = parser.parse(arguments);
    if (!parsed || parser.isSet(o.help) || parser.isSet(o.version) ||
        !parser.positionalArguments().isEmpty()) {
        QCoreApplication app(argc, argv);  // names the program in the usage line
        if (!parsed || !parser.positionalArguments().isEmpty()) {
            const QString error =
                parsed ? u"Непознат аргумент: "_s + parser.positionalArguments().first()
                       : parser.errorText();
            print(stderr, error + u"\nВсички опции: remitor --help"_s);
            return 2;
        }
        if (parser.isSet(o.help))
            print(stdout, parser.helpText());
        else
            print(stdout, QCoreApplication::applicationName() + u' ' +
                              QCoreApplication::applicationVersion());
        return 0;
    }

    const DataFolder folder = ChooseDataFolder(
        {QDir::currentPath(), parser.value(o.data), parser.isSet(o.desktop), UserDataFolder()});
    const QString problem = PrepareDataFolder(folder.path);
    if (!problem.isEmpty()) {
        print(stderr, problem);
        // At a terminal, and for a script, the message is there already;
        // started from the menu, only a message box reaches the user.
        if (parser.isSet(o.initOnly) || isatty(STDERR_FILENO))
            return 1;
        QApplication app(argc, argv);
        InstallQtTranslations(app);
        MessageInteraction ui;
        ui.tell(problem, Interaction::Icon::Critical, QString());
        return 1;
    }
    // The data folder is the program's working directory, as it always was.
    QDir::setCurrent(folder.path);

    if (parser.isSet(o.initOnly)) {
        QCoreApplication app(argc, argv);
        ConsoleInteraction ui;
        Session session(folder.path, ui);
        session.startUp();
        return 0;
    }

    QApplication app(argc, argv);
    InstallQtTranslations(app);
    MessageInteraction ui;
    // The program quits through its exit question, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    Session session(folder.path, ui);
    MainWindow window(session);
    session.startUp();
    window.refreshCaption();
    window.show();
    return app.exec();
}
