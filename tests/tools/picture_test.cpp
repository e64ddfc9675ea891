// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Result pictures of a generated project: the picture holds the list's
// numbers, its drawing shows the expected band colours inside the elements
// (polygon and raster fill), the SVG carries the legend texts, and
// teska-report --picture writes a PNG of the size asked for.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QXmlStreamReader>
#include <set>

#include "lists/format/FormatNumber.h"
#include "lists/picture/ResultPicture.h"
#include "lists/run/ListRequests.h"
#include "lists/run/ResultGrid.h"
#include "printing/PagePrinter.h"
#include "tools/sample_session_test.h"
#include "viewer/picture/PicturePainter.h"

namespace teska {
namespace {

class Picture : public test::SampleSessionTest<RecordingHost> {
protected:
    Picture() { EnsureGuiApplication(); }
};

TEST_F(Picture, DrawsTheListsNumbersInTheirBands)
{
    ASSERT_TRUE(opened);
    ListProject p{*session, project, formats, 90065L};
    const PictureBuild build = BuildResultPicture(p, ListKey(140L), 2);
    ASSERT_TRUE(build.Picture) << build.Reason;
    const ResultPicture& pic = *build.Picture;
    const std::optional<ResultGrid> grid = ResultGrid::Read(p, ListKey(140L));
    ASSERT_TRUE(grid);
    ASSERT_EQ(pic.NodeCount(), 35);
    for (std::int32_t r = 1; r <= grid->RowCount(); ++r)
        ASSERT_EQ(pic.NodeValue(grid->RowNumber(r)), grid->Value(r, 2)) << r;
    EXPECT_NE(pic.Title().find(grid->Heading(1, 2)), std::string::npos) << pic.Title();
    EXPECT_EQ(pic.ValueUnit(), grid->Heading(2, 2));
    EXPECT_EQ(pic.Bands().front().LowerText, FormatNumber(pic.Limits().front(), grid->ColumnPattern(2)));

    // Inside each triangle, a third of the way from a corner towards the
    // other two, the value is (4 v0 + v1 + v2) / 6: the pixel there shows
    // that value's band, unless the value lies next to a band limit.
    const double step = pic.Limits()[2] - pic.Limits()[1];
    for (const int polygonLimit : {1000000, 0}) {
        SCOPED_TRACE(polygonLimit ? "polygons" : "raster");
        QImage image(900, 600, QImage::Format_RGB32);
        QPainter painter(&image);
        PicturePaintOptions options;
        options.ShowExtremes = false;
        options.PolygonTriangleLimit = polygonLimit;
        const PictureLayout layout = PicturePainter(pic).Paint(painter, QRectF(0, 0, 900, 600), {}, options);
        painter.end();
        int checked = 0;
        for (const auto& t : pic.Triangles()) {
            for (int k = 0; k < 3; ++k) {
                const std::int32_t a = t[k], b = t[(k + 1) % 3], c = t[(k + 2) % 3];
                const double value = (4 * pic.CornerValue(a) + pic.CornerValue(b) + pic.CornerValue(c)) / 6;
                const auto near = std::find_if(pic.Limits().begin(), pic.Limits().end(),
                    [&](double l) { return std::abs(l - value) < step * 0.1; });
                if (near != pic.Limits().end())
                    continue;
                const QPointF at = layout.WorldToDevice.map(
                    QPointF((4 * pic.Corner(a).X + pic.Corner(b).X + pic.Corner(c).X) / 6,
                        (4 * pic.Corner(a).Y + pic.Corner(b).Y + pic.Corner(c).Y) / 6));
                const QColor got = image.pixelColor(at.toPoint());
                const QColor want = PicturePainter::Color(pic.Bands()[pic.BandOf(value)].Color);
                ASSERT_LE(std::abs(got.red() - want.red()) + std::abs(got.green() - want.green())
                        + std::abs(got.blue() - want.blue()),
                    24)
                    << "corner " << a << " value " << value << " at " << at.x() << "," << at.y();
                ++checked;
            }
        }
        EXPECT_GT(checked, 100);
    }
    // A right-to-left legend stands left of the slab, which is not mirrored.
    QImage image(900, 600, QImage::Format_RGB32);
    QPainter painter(&image);
    PicturePaintOptions mirrored;
    mirrored.MirrorLegend = true;
    const PictureLayout layout = PicturePainter(pic).Layout(painter, QRectF(0, 0, 900, 600), {}, mirrored);
    EXPECT_LT(layout.Legend.right(), layout.Plot.left());
    EXPECT_LT(layout.WorldToDevice.map(QPointF(pic.Bounds().Left, 0)).x(),
        layout.WorldToDevice.map(QPointF(pic.Bounds().Right, 0)).x());
    painter.end();

    // The SVG: XML with the legend's limit texts and unit, and band paths.
    SavePicture(pic, dir.file("m.svg"), PictureFileFormat::Svg, QSize(800, 500));
    QXmlStreamReader xml(QString::fromStdString(test::readFile(dir.file("m.svg"))));
    std::set<std::string> texts;
    int paths = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"path" || xml.name() == u"polygon")
            ++paths;
        if (xml.name() == u"text")
            texts.insert(xml.readElementText().trimmed().toStdString());
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GE(paths, static_cast<int>(pic.Bands().size()) / 2);
    EXPECT_TRUE(texts.count(pic.ValueUnit()));
    for (const PictureBand& band : pic.Bands())
        EXPECT_TRUE(texts.count(band.LowerText) && texts.count(band.UpperText)) << band.LowerText;
}

// teska-report --picture writes a PNG of the size asked for (the other
// formats and the messages: the report runs).
TEST_F(Picture, BatchCommandWritesThePngSizeAskedFor)
{
    const test::CommandResult r = test::RunCommand(TESKA_REPORT_EXE,
        {dir.file("S.PO1"), "--settings", settings, "--picture", "140", "--png", dir.file("m.png"), "--size",
            "640x400"},
        dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(QImage(QString::fromStdString(dir.file("m.png"))).size(), QSize(640, 400));
}

} // namespace
} // namespace teska
