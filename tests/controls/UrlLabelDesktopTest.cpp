// The real route from a click to the desktop's default handler. Qt hands web addresses to xdg-open only
// on a desktop platform (xcb); the offscreen platform has no such route, hence an X server for these tests.
#include "controls/UrlLabel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {
// Puts a stand-in xdg-open first on PATH that records each of its arguments on a line of its own.
// Qt prefers xdg-open to any browser named in the environment.
// Qt finds the handler once per run and keeps it, so the stand-in lives as long as the suite.
class UrlLabelDesktopTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<QTemporaryDir>();
        QFile script(s_dir->filePath(QStringLiteral("xdg-open")));
        if (!script.open(QIODevice::WriteOnly))
            return;
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.part' && mv '%1.part' '%1'\n")
                         .arg(RecordPath())
                         .toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        qputenv("PATH", s_dir->path().toUtf8() + ':' + qgetenv("PATH"));
    }

    static void TearDownTestSuite() { s_dir.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(s_dir->isValid());
        QFile::remove(RecordPath());
        TUrlLabel::SetOpener({});
    }

    static QString RecordPath() { return s_dir->filePath(QStringLiteral("arguments")); }

    // Clicks a label with this URL and returns the arguments the stand-in received.
    static std::vector<std::string> HandedOverOnClick(const QString &url)
    {
        TUrlLabel label;
        label.setText(QStringLiteral("Halvorn Software"));
        label.SetURL(url);
        label.show();
        QTest::mouseClick(&label, Qt::LeftButton);

        QFile record(RecordPath());
        if (!QTest::qWaitFor([&] { return record.exists(); }, 10000) || !record.open(QIODevice::ReadOnly))
            return {};
        std::vector<std::string> arguments;
        for (const QString &line : QString::fromUtf8(record.readAll()).split('\n', Qt::SkipEmptyParts))
            arguments.push_back(line.toStdString());
        return arguments;
    }

    static std::unique_ptr<QTemporaryDir> s_dir;
};

std::unique_ptr<QTemporaryDir> UrlLabelDesktopTest::s_dir;

TEST_F(UrlLabelDesktopTest, ACompleteAddressReachesTheDesktopHandlerUnchanged)
{
    const std::string address = "https://www.halvorn.com/calculators/?page=2&sort=name%20asc#gallery";
    EXPECT_EQ(HandedOverOnClick(QString::fromStdString(address)), std::vector<std::string>{address});
}

TEST_F(UrlLabelDesktopTest, AnAddressWithoutSchemeReachesItAsAWebAddress)
{
    EXPECT_EQ(HandedOverOnClick(QStringLiteral("www.halvorn.com")),
              std::vector<std::string>{"http://www.halvorn.com"});
}
} // namespace
