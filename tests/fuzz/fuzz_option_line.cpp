// libFuzzer entry: arbitrary bytes as the options file.
#include "optionlinecheck.h"

#include "messages/prompter.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

// Saving into the fuzzer's own directory never fails; any box is a finding.
class FailingPrompter final : public Prompter
{
public:
    void showMessage(Severity, const QString &caption, const QString &text) override
    {
        std::fprintf(stderr, "unexpected box %s: %s\n", qPrintable(caption), qPrintable(text));
        std::abort();
    }
    QString chooseExistingDirectory(QWidget *, const QString &, const QString &) override
    {
        return {};
    }
    QString chooseOpenFileName(QWidget *, const QString &, const QString &) override { return {}; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir directory;
    static FailingPrompter failingPrompter;
    static Prompter *const installed = setPrompter(&failingPrompter);
    Q_UNUSED(installed);

    const QByteArray content(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString problem = checkOptionLineRoundTrip(content, directory.path());
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
