#include "report/printer/CupsJobFollower.h"

#include <gtest/gtest.h>

namespace {

struct JobStateRow {
    const char *Name;
    CupsJobState State;
    bool NotPrinted;
};

class JobNotPrinted : public testing::TestWithParam<JobStateRow> {};

// A job held because its printer failed is not printed; one held because someone asked for it, or on its
// way, is not a failure.
TEST_P(JobNotPrinted, IsTheJobThatStoppedWasAbortedOrIsHeldForAnError)
{
    EXPECT_EQ(NotPrinted(GetParam().State), GetParam().NotPrinted);
}

INSTANTIATE_TEST_SUITE_P(
    States, JobNotPrinted,
    testing::Values(
        JobStateRow{"Stopped", {IPP_JSTATE_STOPPED, {"job-printing"}, {}}, true},
        JobStateRow{"Aborted", {IPP_JSTATE_ABORTED, {"aborted-by-system"}, {}}, true},
        JobStateRow{"HeldForAnError", {IPP_JSTATE_HELD, {"resources-are-not-ready"}, {}}, true},
        JobStateRow{"HeldAsAsked", {IPP_JSTATE_HELD, {"job-hold-until-specified"}, {}}, false},
        JobStateRow{"PendingOnAPausedPrinter", {IPP_JSTATE_PENDING, {"printer-stopped"}, {}}, false},
        JobStateRow{"Processing", {IPP_JSTATE_PROCESSING, {"job-printing"}, {}}, false},
        JobStateRow{"Completed", {IPP_JSTATE_COMPLETED, {"job-completed-successfully"}, {}}, false},
        JobStateRow{"Cancelled", {IPP_JSTATE_CANCELED, {"job-canceled-by-user"}, {}}, false}),
    [](const testing::TestParamInfo<JobStateRow> &info) { return std::string(info.param.Name); });

TEST(JobNotPrintedReason, IsThePrintersMessageElseTheJobsReasons)
{
    EXPECT_EQ(NotPrintedReason({IPP_JSTATE_HELD, {"resources-are-not-ready"}, QStringLiteral("No paper")}),
              QStringLiteral("No paper"));
    EXPECT_EQ(NotPrintedReason({IPP_JSTATE_ABORTED, {"aborted-by-system", "document-format-error"}, {}}),
              QStringLiteral("aborted-by-system, document-format-error"));
}

} // namespace
