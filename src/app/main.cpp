#include "app/startup.h"
#include "store/store.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

// Until the main window exists, messages go to the terminal.
class ConsoleInteraction final : public remitor::Interaction {
public:
    void tell(const QString &text, Icon, const QString &) override
    {
        QTextStream(stderr) << text << Qt::endl;
    }
    bool askOkCancel(const QString &text, const QString &, bool, Icon) override
    {
        tell(text, Icon::None, {});
        return true;
    }
    bool askYesNo(const QString &text, const QString &, Icon) override
    {
        tell(text, Icon::None, {});
        return true;
    }
    std::optional<QString> inputLine(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
};

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ConsoleInteraction ui;
    remitor::Store store(remitor::DbPaths::inDirectory(QDir::currentPath()), ui);
    const auto state = remitor::RunStartup(store, QDate::currentDate());
    QTextStream(stdout) << "Remitor 4.16: " << store.paths().mainPath << " ready." << Qt::endl;
    return 0;
}
