#include "report/printer/CupsDestination.h"

#include "report/printer/CupsCaller.h"

#include <QByteArray>
#include <QList>
#include <cstdlib>
#include <cstring>
#include <cups/cups.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString NameOf(const cups_dest_t &dest)
{
    QString name = QString::fromUtf8(dest.name);
    if (dest.instance != nullptr)
        name += QLatin1Char('/') + QString::fromUtf8(dest.instance);
    return name;
}

PrinterStatus StatusOf(const cups_dest_t &dest)
{
    const char *accepting = cupsGetOption("printer-is-accepting-jobs", dest.num_options, dest.options);
    const char *state = cupsGetOption("printer-state", dest.num_options, dest.options);
    if (accepting != nullptr && std::strcmp(accepting, "false") == 0)
        return {TPrinterCondition::Refusing, NameOf(dest)};
    if (state != nullptr && std::atoi(state) == IPP_PSTATE_STOPPED)
        return {TPrinterCondition::Paused, NameOf(dest)};
    return {TPrinterCondition::Ready, NameOf(dest)};
}

// Whether name, "queue" or "queue/instance", is one of dests.
bool Lists(const QByteArray &name, int count, cups_dest_t *dests)
{
    const QList<QByteArray> parts = name.split('/');
    const char *instance = parts.size() > 1 ? parts[1].constData() : nullptr;
    return cupsGetDest(parts[0].constData(), instance, count, dests) != nullptr;
}

} // namespace

PrinterStatus LookUpCupsDestination(const CupsCall &call)
{
    // Without a scheduler cupsGetNamedDest only says that there is no default destination.
    const CupsConnection http = call.Connect();
    if (!http)
        return {call.GivenUp() ? TPrinterCondition::NotAnswering : TPrinterCondition::NoPrintSystem, {}};
    if (cups_dest_t *dest = cupsGetNamedDest(http.get(), nullptr, nullptr)) {
        const PrinterStatus status = StatusOf(*dest);
        cupsFreeDests(1, dest);
        return status;
    }
    // Not found. cupsGetDefault2 gives the name PRINTER or LPDEST holds, else the system's default: a
    // name that is not installed is the printer asked for. (An installed one is the system's default,
    // overridden by a user's default in lpoptions that names no printer.)
    const QByteArray named(cupsGetDefault2(http.get()));
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests2(http.get(), &dests);
    // A scheduler that stopped or fell silent meanwhile also says "not found" of any name.
    const TPrinterCondition failure = count == 0 ? call.FailureCondition() : TPrinterCondition::Ready;
    if (failure != TPrinterCondition::Ready) {
        cupsFreeDests(count, dests);
        return {failure, {}};
    }
    PrinterStatus status{count == 0 ? TPrinterCondition::NoPrinter : TPrinterCondition::NoDefault, {}};
    if (!named.isEmpty() && !Lists(named, count, dests))
        status = {TPrinterCondition::Missing, QString::fromUtf8(named)};
    cupsFreeDests(count, dests);
    return status;
}

std::optional<std::time_t> CupsPpdTime(const CupsCall &call, const QString &name,
                                       std::optional<std::time_t> known)
{
    const CupsConnection http = call.Connect();
    if (!http)
        return std::nullopt;
    const QByteArray resource = "/printers/" + name.section(QLatin1Char('/'), 0, 0).toUtf8() + ".ppd";
    if (known)
        httpSetField(http.get(), HTTP_FIELD_IF_MODIFIED_SINCE, httpGetDateString(*known));
    // A changed file is read to its end, so that the answer is complete, and dropped.
    const int discard = open("/dev/null", O_WRONLY | O_CLOEXEC);
    const http_status_t status = cupsGetFd(http.get(), resource.constData(), discard);
    close(discard);
    if (status == HTTP_STATUS_NOT_MODIFIED)
        return known;
    if (status != HTTP_STATUS_OK)
        return std::nullopt;
    const std::time_t modified = httpGetDateTime(httpGetField(http.get(), HTTP_FIELD_LAST_MODIFIED));
    const std::time_t answered = httpGetDateTime(httpGetField(http.get(), HTTP_FIELD_DATE));
    if (modified <= 0 || modified >= answered)
        return std::nullopt;
    return modified;
}
