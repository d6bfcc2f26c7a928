#include "report/printer/FileWriting.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace {

struct Reason {
    int ErrorNumber;
    const char *Text;
};

// Root writes despite any permission, so these reasons are asked for by number.
TEST(FileWriteFailureText, SaysWhyInTheUsersWords)
{
    const Reason reasons[] = {
        {ENOSPC, "There is not enough space on the disk."},
        {EDQUOT, "There is not enough space on the disk."},
        {EACCES, "You do not have permission to write to the folder \"/home/ann/plans\"."},
        {EPERM, "You do not have permission to write to the folder \"/home/ann/plans\"."},
        {ENOENT, "The folder \"/home/ann/plans\" does not exist."},
        {EROFS, "The folder \"/home/ann/plans\" is on a disk that cannot be written to."},
        {EIO, "The file \"/home/ann/plans/chart.pdf\" could not be written: Input/output error."},
    };
    for (const Reason &reason : reasons)
        EXPECT_EQ(FileWriteFailureText(reason.ErrorNumber, QStringLiteral("/home/ann/plans/chart.pdf"))
                      .toStdString(),
                  reason.Text)
            << "error number " << reason.ErrorNumber;
}

} // namespace
