// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PdfPagePrinter.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "suite/Errors.h"

namespace teska {

namespace {

// a / b rounded to the nearest whole number, halves to even (b > 0).
long DivideRoundHalfEven(long a, long b)
{
    long q = a / b;
    const long r = a % b;
    if (2 * r > b || (2 * r == b && q % 2 != 0))
        ++q;
    return q;
}

QPageSize::PageSizeId QtPaper(PaperSize paper)
{
    switch (paper) {
    case PaperSize::A3:
        return QPageSize::A3;
    case PaperSize::A5:
        return QPageSize::A5;
    case PaperSize::Letter:
        return QPageSize::Letter;
    case PaperSize::Legal:
        return QPageSize::Legal;
    case PaperSize::A4:
        break;
    }
    return QPageSize::A4;
}

QFont ListFont(const PdfPageSetup& setup)
{
    QFont font = setup.fontFamily.empty() ? QFontDatabase::systemFont(QFontDatabase::FixedFont)
                                          : QFont(QString::fromStdString(setup.fontFamily));
    font.setFixedPitch(true);
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(setup.pointSize > 0 ? setup.pointSize : 8.0);
    return font;
}

void SetUp(QPrinter& printer, const PdfPageSetup& setup)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(setup.resolution);
    printer.setPageSize(QPageSize(QtPaper(setup.paper)));
    printer.setPageOrientation(setup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

PageMeasure Measure(QPrinter& printer, const QFont& font)
{
    const QFontMetricsF metrics(font, &printer);
    const long blankWidth = std::lround(metrics.horizontalAdvance(QLatin1Char(' ')));
    const long blankHeight = std::lround(metrics.height());
    return MeasurePage(printer.width(), printer.height(), blankWidth, blankHeight);
}

} // namespace

PdfPageSetup PageSetupFromDeviceMode(const DeviceModeValues& values)
{
    PdfPageSetup setup;
    setup.landscape = values.orientation == 2;
    switch (values.paperSize) {
    case static_cast<int>(PaperSize::A3):
    case static_cast<int>(PaperSize::A5):
    case static_cast<int>(PaperSize::Letter):
    case static_cast<int>(PaperSize::Legal):
        setup.paper = static_cast<PaperSize>(values.paperSize);
        break;
    default:
        setup.paper = PaperSize::A4;
    }
    return setup;
}

PageMeasure MeasurePage(long drawableWidth, long drawableHeight, long blankWidth, long blankHeight)
{
    if (blankWidth <= 0 || blankHeight <= 0 || drawableWidth <= 0 || drawableHeight <= 0)
        throw RuntimeError("the printer reports an empty page or font");
    PageMeasure m;
    m.CharsPerLine = static_cast<int>(DivideRoundHalfEven(drawableWidth, blankWidth));
    m.LinesPerPage = static_cast<int>(DivideRoundHalfEven(drawableHeight, blankHeight) - 1);
    return m;
}

namespace {

// Qt's own notices (a missing runtime directory and the like) mean
// nothing to a user of a batch tool; critical messages still show.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace

void EnsureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    qInstallMessageHandler(QuietMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "teska";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
}

PageMeasure MeasurePageSetup(const PdfPageSetup& setup)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer, setup);
    return Measure(printer, ListFont(setup));
}

struct PdfPagePrinter::Device {
    QPrinter printer{QPrinter::HighResolution};
    QFont font;
    QPainter painter;
};

PdfPagePrinter::PdfPagePrinter(const std::string& fileName, const PdfPageSetup& setup)
    : device_(std::make_unique<Device>())
    , fileName_(fileName)
{
    // The printer reports an unwritable file only when painting begins;
    // trying the file first gives a clear message.
    {
        QFile probe(QString::fromStdString(fileName));
        if (!probe.open(QIODevice::WriteOnly))
            throw FileAccessError(fileName, probe.errorString().toStdString());
    }
    SetUp(device_->printer, setup);
    device_->printer.setOutputFileName(QString::fromStdString(fileName));
    device_->printer.setDocName(QStringLiteral("List"));
    device_->font = ListFont(setup);
}

PdfPagePrinter::~PdfPagePrinter()
{
    if (!finished_) {
        try {
            finish();
        } catch (const RuntimeError&) { }
    }
}

PageMeasure PdfPagePrinter::measure() const
{
    return Measure(device_->printer, device_->font);
}

void PdfPagePrinter::printPage(std::string_view text)
{
    QPainter& painter = device_->painter;
    if (pages_ == 0) {
        if (!painter.begin(&device_->printer))
            throw FileAccessError(fileName_, "the PDF file cannot be written");
        painter.setFont(device_->font);
    } else if (!device_->printer.newPage()) {
        throw FileAccessError(fileName_, "a new PDF page cannot be started");
    }
    const QFontMetricsF metrics(device_->font, &device_->printer);
    const long lineHeight = std::lround(metrics.height());
    long y = std::lround(metrics.ascent());
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last)
            end = text.size();
        std::size_t stop = end;
        if (stop > start && text[stop - 1] == '\r')
            --stop;
        if (stop > start)
            painter.drawText(QPointF(0, static_cast<qreal>(y)),
                QString::fromUtf8(text.data() + start, static_cast<qsizetype>(stop - start)));
        y += lineHeight;
        start = last ? text.size() : end + 1;
    }
    ++pages_;
}

void PdfPagePrinter::finish()
{
    if (finished_)
        return;
    finished_ = true;
    QPainter& painter = device_->painter;
    if (pages_ == 0) {
        // A list without pages still gives a valid document of one empty page.
        if (!painter.begin(&device_->printer))
            throw FileAccessError(fileName_, "the PDF file cannot be written");
    }
    if (!painter.end())
        throw FileAccessError(fileName_, "the PDF file could not be completed");
}

} // namespace teska
