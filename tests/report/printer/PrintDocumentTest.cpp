#include "calc/Errors.h"
#include "report/printer/ReportPrinter.h"
#include "tests/report/support/FakePrinterDevice.h"
#include "tests/report/support/ReportValuePrinters.h"
#include "tests/report/support/RuledDocument.h"

#include <gtest/gtest.h>

namespace {

class PrintDocument : public testing::Test {
protected:
    // The dark rows of every sheet printed, one entry per sheet.
    std::vector<std::vector<int>> PrintedRules() const
    {
        std::vector<std::vector<int>> rules;
        for (const QImage &sheet : m_fake->Sheets)
            rules.push_back(DarkRows(sheet, 100));
        return rules;
    }

    std::shared_ptr<FakePrinter> m_fake = std::make_shared<FakePrinter>(FakePrinter::Letter());
    TRPPrinter m_printer{std::make_unique<FakePrinterDevice>(m_fake)};
};

TEST_F(PrintDocument, PrintsEveryPageOnItsOwnSheetInOneJob)
{
    RecordRuledDocument(m_printer, {10, 20, 30});
    m_printer.SetShowProgress(false);
    m_printer.SetDocumentTitle(QStringLiteral("Payment chart"));
    m_printer.SelectPage(2);
    m_printer.PrintDocument();
    EXPECT_EQ(m_fake->JobsStarted, 1);
    EXPECT_EQ(m_fake->JobTitle, QStringLiteral("Payment chart"));
    EXPECT_EQ(PrintedRules(), (std::vector<std::vector<int>>{{10}, {20}, {30}})) << "no sheet after the last";
    EXPECT_TRUE(m_fake->Finished);
    EXPECT_EQ(m_printer.CurrentPage(), 2);
    EXPECT_EQ(m_printer.PrinterState(), TRPPrinterState::Finished);
}

TEST_F(PrintDocument, PrintsOnlyThePageRange)
{
    RecordRuledDocument(m_printer, {10, 20, 30, 40, 50});
    m_printer.SetFirstPage(2);
    m_printer.SetLastPage(3);
    m_printer.PrintDocument();
    EXPECT_EQ(PrintedRules(), (std::vector<std::vector<int>>{{20}, {30}}));
}

TEST_F(PrintDocument, StartsNoJobWithoutAPrinterOrADocument)
{
    m_printer.PrintDocument();
    EXPECT_EQ(m_fake->JobsStarted, 0) << "no document";
    m_fake->Facts.reset();
    RecordRuledDocument(m_printer, {10});
    EXPECT_FALSE(m_printer.PrinterAvailable());
    m_printer.PrintDocument();
    EXPECT_EQ(m_fake->JobsStarted, 0);
}

struct ConditionRow {
    TPrinterCondition Condition;
    int Jobs;
};

TEST_F(PrintDocument, OnlyAPrinterThatTakesJobsGetsTheDocumentAndItsStatusSaysWhy)
{
    RecordRuledDocument(m_printer, {10});
    const ConditionRow rows[] = {
        {TPrinterCondition::Ready, 1},         {TPrinterCondition::Paused, 1},
        {TPrinterCondition::Refusing, 0},      {TPrinterCondition::Missing, 0},
        {TPrinterCondition::NoDefault, 0},     {TPrinterCondition::NoPrinter, 0},
        {TPrinterCondition::NoPrintSystem, 0},
    };
    for (const ConditionRow &row : rows) {
        m_fake->Status = {row.Condition, QStringLiteral("Office")};
        m_fake->JobsStarted = 0;
        EXPECT_EQ(m_printer.PrintDocument(), m_fake->Status) << static_cast<int>(row.Condition);
        EXPECT_EQ(m_fake->JobsStarted, row.Jobs) << static_cast<int>(row.Condition);
    }
}

// The printer is asked again after the job: a job that waits in a paused queue is said to wait.
TEST_F(PrintDocument, APrinterPausedOrResumedDuringTheJobIsReportedAsItIsAfterwards)
{
    RecordRuledDocument(m_printer, {10, 20});
    const std::pair<TPrinterCondition, TPrinterCondition> changes[] = {
        {TPrinterCondition::Ready, TPrinterCondition::Paused},
        {TPrinterCondition::Paused, TPrinterCondition::Ready},
    };
    for (const auto &[before, after] : changes) {
        m_fake->Status.Condition = before;
        m_fake->OnNewSheet = [this, after] { m_fake->Status.Condition = after; };
        EXPECT_EQ(m_printer.PrintDocument()->Condition, after);
    }
}

// A document made while the print system was down prints once it is back, without being made again.
TEST_F(PrintDocument, APrintSystemThatCameBackGetsTheDocumentMadeWithoutIt)
{
    m_fake->Facts.reset();
    m_fake->Status.Condition = TPrinterCondition::NoPrintSystem;
    RecordRuledDocument(m_printer, {10});
    ASSERT_FALSE(m_printer.PrinterAvailable());
    EXPECT_EQ(m_printer.PrintDocument()->Condition, TPrinterCondition::NoPrintSystem);
    m_fake->Facts = FakePrinter::Letter();
    m_fake->Status.Condition = TPrinterCondition::Ready;
    EXPECT_EQ(m_printer.PrintDocument()->Condition, TPrinterCondition::Ready);
    EXPECT_EQ(m_fake->JobsStarted, 1);
}

struct GoneRow {
    TPrinterCondition Afterwards;            // the print system as the printer is asked after the failure
    std::optional<TPrinterCondition> Thrown; // the device's PrintSystemError; else a plain PrinterError
    TPrinterCondition Said;
};

// A job that fails because the print system went away or gave no answer meanwhile says that, not an
// unidentified error.
TEST_F(PrintDocument, AJobCutOffByThePrintSystemSaysWhatBecameOfThePrintSystem)
{
    RecordRuledDocument(m_printer, {10, 20});
    const GoneRow rows[] = {
        {TPrinterCondition::NoPrintSystem, std::nullopt, TPrinterCondition::Stopped},
        {TPrinterCondition::NotAnswering, std::nullopt, TPrinterCondition::NotAnswering},
        {TPrinterCondition::Ready, TPrinterCondition::Cancelled, TPrinterCondition::Cancelled},
    };
    for (const GoneRow &row : rows) {
        m_fake->Status.Condition = TPrinterCondition::Ready;
        m_fake->OnNewSheet = [this, row] {
            m_fake->Status.Condition = row.Afterwards;
            if (row.Thrown)
                throw PrintSystemError(*row.Thrown);
            throw PrinterError("Broken pipe");
        };
        EXPECT_EQ(m_printer.PrintDocument(), (PrinterStatus{row.Said, QStringLiteral("Fake")}))
            << static_cast<int>(row.Said);
    }
}

TEST_F(PrintDocument, AJobThatCannotStartReachesTheCallerAsAnUnidentifiedError)
{
    RecordRuledDocument(m_printer, {10, 20});
    m_printer.SelectPage(2);
    m_fake->FailJob = true;
    try {
        m_printer.PrintDocument();
        FAIL() << "reported as printed";
    } catch (const PrinterError &error) {
        EXPECT_STREQ(FailureMessage(error), "An unidentified error has occurred.");
    }
    EXPECT_EQ(m_printer.CurrentPage(), 2);
    EXPECT_FALSE(m_printer.Busy());
}

TEST_F(PrintDocument, ASheetThatCannotBeFedAbortsTheJob)
{
    RecordRuledDocument(m_printer, {10, 20});
    m_fake->FailSheet = true;
    EXPECT_THROW(m_printer.PrintDocument(), PrinterError);
    EXPECT_TRUE(m_fake->Aborted);
    EXPECT_FALSE(m_fake->Finished);
    m_fake->FailSheet = false;
    m_printer.PrintDocument();
    EXPECT_TRUE(m_fake->Finished) << "the printer is free again";
}

// While a job prints, a second command must neither start another job nor free the pages in use.
TEST_F(PrintDocument, CommandsDuringAJobDoNotInterfere)
{
    RecordRuledDocument(m_printer, {10, 20});
    m_fake->OnNewSheet = [this] {
        EXPECT_TRUE(m_printer.Busy());
        m_printer.PrintDocument();
        m_printer.DiscardPages();
        m_printer.BeginDocument();
        m_printer.AbandonDocument();
    };
    m_printer.PrintDocument();
    EXPECT_EQ(m_fake->JobsStarted, 1);
    EXPECT_EQ(PrintedRules(), (std::vector<std::vector<int>>{{10}, {20}}));
    EXPECT_EQ(m_printer.PrinterState(), TRPPrinterState::Finished);
}

TEST_F(PrintDocument, CancelSkipsTheRemainingPagesAndAbortsTheJob)
{
    RecordRuledDocument(m_printer, {10, 20, 30});
    m_fake->OnNewSheet = [this] { m_printer.Cancel(); };
    m_printer.PrintDocument();
    EXPECT_EQ(m_fake->Sheets.size(), 2u);
    EXPECT_TRUE(m_fake->Aborted);
}

} // namespace
