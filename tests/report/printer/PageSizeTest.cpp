#include "report/printer/ReportPrinter.h"
#include "tests/report/support/FakePrinterDevice.h"
#include "tests/report/support/ReportValuePrinters.h"

#include <gtest/gtest.h>

namespace {

struct Geometry {
    int PageWidth, PageHeight, PhysicalWidth, PhysicalHeight, OffsetX, OffsetY;
    bool Available;
    friend bool operator==(const Geometry &, const Geometry &) = default;
};

void PrintTo(const Geometry &g, std::ostream *out)
{
    *out << g.PageWidth << 'x' << g.PageHeight << " on " << g.PhysicalWidth << 'x' << g.PhysicalHeight
         << " at " << g.OffsetX << ',' << g.OffsetY << (g.Available ? " available" : " assumed");
}

Geometry GeometryOf(const TRPPrinter &printer)
{
    return {printer.PageWidth(),       printer.PageHeight(),   printer.PhysicalWidth(),
            printer.PhysicalHeight(),  printer.PrintOffsetX(), printer.PrintOffsetY(),
            printer.PrinterAvailable()};
}

Geometry Measured(std::shared_ptr<FakePrinter> fake)
{
    TRPPrinter printer(std::make_unique<FakePrinterDevice>(fake));
    printer.ComputePageSize();
    return GeometryOf(printer);
}

struct SheetRow {
    const char *Name;
    PrinterFacts Facts;
    Geometry Expected;
};

class ComputePageSizeTest : public testing::TestWithParam<SheetRow> {};

TEST_P(ComputePageSizeTest, ConvertsThePrintersDotsToScreenPixels)
{
    EXPECT_EQ(Measured(std::make_shared<FakePrinter>(GetParam().Facts)), GetParam().Expected);
}

// The envelope has different resolutions across and down, so each direction must use its own.
INSTANTIATE_TEST_SUITE_P(
    Sheets, ComputePageSizeTest,
    testing::Values(SheetRow{"A4", FakePrinter::A4(), {762, 1090, 794, 1122, 16, 16, true}},
                    SheetRow{"Letter", FakePrinter::Letter(), {768, 1008, 816, 1056, 24, 24, true}},
                    SheetRow{"Envelope",
                             {{{1137, 5500}, {1237, 5700}, {50, 100}}, {300, 600}},
                             {364, 880, 396, 912, 16, 16, true}}),
    [](const testing::TestParamInfo<SheetRow> &row) { return std::string(row.param.Name); });

TEST(ComputePageSize, WithoutAPrinterAssumesAPageAtOffset5)
{
    EXPECT_EQ(Measured(std::make_shared<FakePrinter>(std::nullopt)),
              (Geometry{748, 1080, 785, 1134, 5, 5, false}));
}

TEST(ComputePageSize, APrinterThatCannotBeMeasuredAssumesAPageAtOffset20)
{
    auto fake = std::make_shared<FakePrinter>(FakePrinter::Letter());
    fake->FailMeasure = true;
    EXPECT_EQ(Measured(fake), (Geometry{748, 1080, 785, 1134, 20, 20, false}));
}

TEST(ComputePageSize, APrinterWithoutSheetFactsTakesItsPrintableAreaAsTheSheet)
{
    EXPECT_EQ(Measured(std::make_shared<FakePrinter>(PrinterFacts{{{4800, 6300}, {}, {}}, {600, 600}})),
              (Geometry{768, 1008, 768, 1008, 0, 0, true}));
}

TEST(ComputePageSize, NothingIsMeasuredBeforeADocumentBegins)
{
    auto fake = std::make_shared<FakePrinter>(FakePrinter::Letter());
    TRPPrinter printer(std::make_unique<FakePrinterDevice>(fake));
    EXPECT_EQ(fake->Measurements, 0);
    EXPECT_TRUE(printer.PrinterAvailable());
    printer.BeginDocument();
    EXPECT_EQ(fake->Measurements, 1);
    EXPECT_EQ(printer.Canvas().Page().Size(), QSize(4 * 768, 4 * 1008));
}

} // namespace
