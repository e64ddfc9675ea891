// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printing/PagePrinter.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "printing/RightToLeftLine.h"
#include "suite/Errors.h"
#include "suite/TemporaryFiles.h"
#include "suite/TextDecoding.h"

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

constexpr int kPdfResolution = 1200;

QFont FontOf(const ListFont& list)
{
    QFont font = list.Family.empty() ? QFontDatabase::systemFont(QFontDatabase::FixedFont)
                                     : QFont(QString::fromStdString(list.Family));
    font.setFixedPitch(true);
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(list.PointSize > 0 ? list.PointSize : 8.0);
    font.setWeight(list.Weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(list.Italic);
    return font;
}

// A right-to-left list needs a fixed-pitch font with the script's letters:
// a font without them would take each letter from some proportional font
// and break the columns. The chosen font stays when it has them; else DejaVu
// Sans Mono, else the first fixed-pitch font that has them.
QFont WithArabicGlyphs(QFont font)
{
    const auto hasArabic = [](const QString& family) {
        return QFontDatabase::writingSystems(family).contains(QFontDatabase::Arabic);
    };
    if (hasArabic(QFontInfo(font).family()))
        return font;
    QString family = QStringLiteral("DejaVu Sans Mono");
    if (!hasArabic(family)) {
        family.clear();
        for (const QString& candidate : QFontDatabase::families(QFontDatabase::Arabic))
            if (QFontDatabase::isFixedPitch(candidate)) {
                family = candidate;
                break;
            }
    }
    if (!family.isEmpty())
        font.setFamily(family);
    return font;
}

// Qt's own notices (a missing runtime directory and the like) mean
// nothing to a user of a batch tool; critical messages still show.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace

PageMeasure MeasurePage(long drawableWidth, long drawableHeight, long blankWidth, long blankHeight)
{
    if (blankWidth <= 0 || blankHeight <= 0 || drawableWidth <= 0 || drawableHeight <= 0)
        throw RuntimeError("the printer reports an empty page or font");
    PageMeasure m;
    m.CharsPerLine = static_cast<int>(DivideRoundHalfEven(drawableWidth, blankWidth));
    m.LinesPerPage = static_cast<int>(DivideRoundHalfEven(drawableHeight, blankHeight) - 1);
    return m;
}

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

std::vector<std::string> SystemPrinterNames()
{
    std::vector<std::string> names;
    const QString fallback = QPrinterInfo::defaultPrinterName();
    if (!fallback.isEmpty())
        names.push_back(fallback.toStdString());
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        if (name != fallback)
            names.push_back(name.toStdString());
    return names;
}

struct PagePrinter::Device {
    QPrinter printer{QPrinter::HighResolution};
    QFont font = FontOf({});
    QPainter painter;
};

PagePrinter::PagePrinter()
    : m_device(std::make_unique<Device>())
{
    QPrinter& printer = m_device->printer;
    const QString name = QPrinterInfo::defaultPrinterName();
    if (!name.isEmpty()) {
        printer.setPrinterName(name);
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(kPdfResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
    }
    printer.setDocName(QStringLiteral("List"));
}

PagePrinter::~PagePrinter()
{
    AbortJob();
}

PagePrinter::Applied PagePrinter::ApplyPrinterSettings(
    const DeviceMode& device, const ListFont& font, bool rightToLeft)
{
    Applied applied;
    QPrinter& printer = m_device->printer;
    try {
        // The end of a printed list: its last pages go out first.
        EndJob();
    } catch (const RuntimeError& error) {
        applied.Error = error.what();
    }
    // A PDF target keeps its printer; otherwise the stored one is selected.
    if (!device.DeviceName.empty() && m_pdfFile.empty()) {
        const QString wanted = QString::fromStdString(device.DeviceName);
        for (const QString& name : QPrinterInfo::availablePrinterNames())
            if (name == wanted) {
                printer.setPrinterName(name);
                break;
            }
    }
    m_rightToLeft = rightToLeft;
    const std::string printerName
        = printer.outputFormat() == QPrinter::PdfFormat ? std::string("the PDF printer") : PrinterName();
    auto refuse = [&](const std::string& what) {
        applied.Error = what + " is not supported by " + printerName;
        return applied;
    };
    if (device.Orientation) {
        if (*device.Orientation != 1 && *device.Orientation != 2)
            return refuse("orientation " + std::to_string(*device.Orientation));
        printer.setPageOrientation(*device.Orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    }
    if (device.PaperSize) {
        const QPageSize::PageSizeId id = QPageSize::id(*device.PaperSize);
        const std::string paper = "paper size " + std::to_string(*device.PaperSize);
        if (id == QPageSize::Custom)
            return refuse(paper);
        if (printer.outputFormat() == QPrinter::NativeFormat) {
            const QList<QPageSize> sizes = QPrinterInfo(printer).supportedPageSizes();
            const bool supported = sizes.isEmpty()
                || std::any_of(sizes.begin(), sizes.end(), [id](const QPageSize& s) { return s.id() == id; });
            if (!supported)
                return refuse(paper + " (" + QPageSize::name(id).toStdString() + ")");
        }
        if (!printer.setPageSize(QPageSize(id)))
            return refuse(paper + " (" + QPageSize::name(id).toStdString() + ")");
    }
    if (device.PrintQuality) {
        const std::optional<int> dpi = ResolutionOfQuality(*device.PrintQuality);
        if (!dpi)
            return refuse("print quality " + std::to_string(*device.PrintQuality));
        printer.setResolution(*dpi);
    }
    m_device->font = rightToLeft ? WithArabicGlyphs(FontOf(font)) : FontOf(font);
    try {
        applied.Measure = Measure();
        applied.Measured = true;
    } catch (const RuntimeError& error) {
        applied.Error = error.what();
    }
    return applied;
}

std::string PagePrinter::PrinterName() const
{
    const QPrinter& printer = m_device->printer;
    return printer.outputFormat() == QPrinter::NativeFormat ? printer.printerName().toStdString()
                                                            : std::string();
}

DeviceMode PagePrinter::CurrentDeviceMode() const
{
    const QPrinter& printer = m_device->printer;
    DeviceMode device;
    device.DeviceName = PrinterName();
    device.Orientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
    const int paper = printer.pageLayout().pageSize().windowsId();
    if (paper > 0)
        device.PaperSize = paper;
    device.PrintQuality = printer.resolution();
    return device;
}

void PagePrinter::SetPdfFile(const std::string& fileName)
{
    AbortJob();
    QPrinter& printer = m_device->printer;
    if (fileName.empty()) {
        m_pdfFile.clear();
        const QString name = QPrinterInfo::defaultPrinterName();
        if (!name.isEmpty())
            printer.setPrinterName(name);
        return;
    }
    // A folder that cannot take the file is said now, not after the run.
    const QFileInfo target(QString::fromStdString(fileName));
    {
        QTemporaryFile probe(target.absolutePath() + "/." + target.fileName() + ".XXXXXX");
        if (!probe.open())
            throw FileAccessError(fileName, "cannot be written: " + probe.errorString().toStdString());
    }
    const QPageLayout layout = printer.pageLayout();
    const int resolution = printer.resolution();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageLayout(layout);
    printer.setResolution(resolution);
    m_pdfFile = fileName;
}

bool PagePrinter::JobOpen() const
{
    return m_device->painter.isActive();
}

void PagePrinter::PrintPage(std::string_view text)
{
    PrintPage(text, {});
}

void PagePrinter::PrintPage(std::string_view text, const PageDrawing& drawBelow)
{
    QPrinter& printer = m_device->printer;
    QPainter& painter = m_device->painter;
    const std::string where = m_pdfFile.empty() ? "printer " + PrinterName() : m_pdfFile;
    if (!painter.isActive()) {
        if (!m_pdfFile.empty()) {
            // The job writes beside its target and is renamed over it at
            // its end.
            const QFileInfo target(QString::fromStdString(m_pdfFile));
            const InterruptsHeld held;
            QTemporaryFile temporary(target.absolutePath() + "/." + target.fileName() + ".XXXXXX");
            temporary.setAutoRemove(false);
            if (!temporary.open())
                throw FileAccessError(
                    m_pdfFile, "cannot be written: " + temporary.errorString().toStdString());
            m_temporary = temporary.fileName().toStdString();
            RegisterTemporaryFile(m_temporary);
            printer.setOutputFileName(temporary.fileName());
        }
        if (!painter.begin(&printer)) {
            DropTemporary();
            throw FileAccessError(where, "the print job cannot be started");
        }
        painter.setFont(m_device->font);
        painter.setLayoutDirection(m_rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        m_pages = 0;
    } else if (!printer.newPage()) {
        throw FileAccessError(where, "a new page cannot be started");
    }
    const QFontMetricsF metrics(m_device->font, &printer);
    const long lineHeight = std::lround(metrics.height());
    const qreal width = printer.width();
    const double cellWidth = metrics.horizontalAdvance(QLatin1Char(' '));
    long top = 0;
    for (const std::string& line : SplitLines(text)) {
        if (m_rightToLeft)
            DrawRightToLeftLine(
                painter, line, static_cast<double>(top), width, cellWidth, static_cast<double>(lineHeight));
        else if (!line.empty())
            painter.drawText(
                QPointF(0, static_cast<qreal>(top) + metrics.ascent()), QString::fromStdString(line));
        top += lineHeight;
    }
    if (drawBelow) {
        painter.save();
        drawBelow(
            painter, QRectF(0, static_cast<qreal>(top), width, printer.height() - static_cast<qreal>(top)));
        painter.restore();
    }
    ++m_pages;
}

void PagePrinter::EndJob()
{
    QPainter& painter = m_device->painter;
    if (!painter.isActive())
        return;
    const bool ended = painter.end();
    m_pages = 0;
    if (m_pdfFile.empty()) {
        if (!ended)
            throw FileAccessError("printer " + PrinterName(), "the print job could not be completed");
        return;
    }
    std::error_code error;
    if (ended) {
        // The temporary file is the owner's only: give the PDF the mode of
        // the file it replaces, or that of an ordinary new file.
        struct stat existing { };
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::chmod(m_temporary.c_str(),
            ::stat(m_pdfFile.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : (0666 & ~mask));
        std::filesystem::rename(m_temporary, m_pdfFile, error);
    }
    UnregisterTemporaryFile(m_temporary);
    if (!ended || error) {
        DropTemporary();
        throw FileAccessError(m_pdfFile,
            ended ? "the PDF file could not be put in place: " + error.message()
                  : "the PDF file could not be completed");
    }
    m_temporary.clear();
}

void PagePrinter::AbortJob()
{
    QPainter& painter = m_device->painter;
    if (painter.isActive()) {
        m_device->printer.abort();
        painter.end();
    }
    DropTemporary();
    m_pages = 0;
}

void PagePrinter::DropTemporary()
{
    if (m_temporary.empty())
        return;
    std::error_code error;
    std::filesystem::remove(m_temporary, error);
    UnregisterTemporaryFile(m_temporary);
    m_temporary.clear();
}

PageMeasure PagePrinter::Measure() const
{
    QPrinter& printer = m_device->printer;
    const QFontMetricsF metrics(m_device->font, &printer);
    const long blankWidth = std::lround(metrics.horizontalAdvance(QLatin1Char(' ')));
    const long blankHeight = std::lround(metrics.height());
    return MeasurePage(printer.width(), printer.height(), blankWidth, blankHeight);
}

QPrinter& PagePrinter::Printer()
{
    return m_device->printer;
}

const QFont& PagePrinter::Font() const
{
    return m_device->font;
}

} // namespace teska
