#include "shell/platform_services.h"

#include <QProcess>
#include <QString>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include "shell/windows_registry.h"
#else
#include "shell/installed_program_registry.h"
#endif

namespace {

class QtProgramStarter final : public ProgramStarter {
public:
    bool isOrdinaryFile(const std::string& path) override { return ::isOrdinaryFile(path); }

    bool start(const std::string& path) override
    {
        return QProcess::startDetached(QString::fromLocal8Bit(path.c_str()), {});
    }
};

}  // namespace

std::unique_ptr<Registry> makeSystemRegistry()
{
#ifdef Q_OS_WIN
    return std::make_unique<WindowsRegistry>();
#else
    return std::make_unique<InstalledProgramRegistry>(qEnvironmentVariable("PATH").toStdString());
#endif
}

std::unique_ptr<ProgramStarter> makeProgramStarter() { return std::make_unique<QtProgramStarter>(); }
