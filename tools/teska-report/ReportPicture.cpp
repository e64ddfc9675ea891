// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportPicture.h"

#include "ReportRun.h"
#include "lists/picture/ResultPicture.h"
#include "printing/PagePrinter.h"
#include "suite/Errors.h"
#include "viewer/picture/PicturePainter.h"

namespace teska::report {

int WriteReportPicture(
    ListProject& project, const ListKey& key, const ReportOptions& options, std::ostream& err)
{
    const PictureBuild build = BuildResultPicture(project, key, options.pictureColumn);
    if (build.Problem == PictureBuild::Fault::BadColumn)
        throw UsageError{"--picture: " + build.Reason};
    if (!build.Picture)
        return RuntimeFailure(err, build.Reason);
    const PictureFileFormat format = options.pictureFormat == "png" ? PictureFileFormat::Png
        : options.pictureFormat == "svg"                            ? PictureFileFormat::Svg
                                                                    : PictureFileFormat::Pdf;
    QSize size;
    if (options.pictureSize)
        size = QSize(options.pictureSize->first, options.pictureSize->second);
    // Headless: the offscreen platform unless the caller chose one.
    EnsureGuiApplication();
    PicturePaintOptions paint;
    SavePicture(*build.Picture, options.pictureFile, format, size, paint);
    return ExitSuccess;
}

} // namespace teska::report
