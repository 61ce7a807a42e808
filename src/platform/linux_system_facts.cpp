#include "platform/linux_system_facts.h"

#include "platform/machine_product_id.h"

#include <QFile>
#include <QRegularExpression>

#include <pwd.h>
#include <sys/sysinfo.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace {

QString firstLineOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readLine()).trimmed();
}

QString prettyOsName()
{
    QFile file(QStringLiteral("/etc/os-release"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression line(QStringLiteral("^PRETTY_NAME=\"?([^\"]*)\"?$"));
    while (!file.atEnd()) {
        const auto match = line.match(QString::fromUtf8(file.readLine()).trimmed());
        if (match.hasMatch())
            return match.captured(1);
    }
    return {};
}

} // namespace

SystemFacts readLinuxSystemFacts()
{
    SystemFacts facts;
    if (const passwd* pw = getpwuid(getuid())) {
        facts.loginName = QString::fromLocal8Bit(pw->pw_name);
        const QString fullName = QString::fromLocal8Bit(pw->pw_gecos).section(u',', 0, 0).trimmed();
        facts.registeredOwner = fullName.isEmpty() ? facts.loginName : fullName;
    }
    const QString user = qEnvironmentVariable("USER");
    facts.networkUserName = user.isEmpty() ? facts.loginName : user;

    char host[256] = {};
    if (gethostname(host, sizeof host - 1) == 0)
        facts.computerName = QString::fromLocal8Bit(host);

    facts.productId = productIdOfMachine(firstLineOf(QStringLiteral("/etc/machine-id")));
    facts.osName = prettyOsName();
    utsname names{};
    if (uname(&names) == 0)
        facts.osRelease = QString::fromLocal8Bit(names.release);

    struct sysinfo info{};
    if (sysinfo(&info) == 0)
        facts.totalMemoryBytes = std::uint64_t(info.totalram) * info.mem_unit;
    return facts;
}
