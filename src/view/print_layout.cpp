#include "view/print_layout.h"

#include <string>
#include <system_error>

#include "shell/catalogue.h"
#include "shell/screen_id.h"
#include "view/pixels.h"

namespace bio {

namespace {

// Until the drawing sets a scale, a picture's units are twips of its size on the screen.
UserScale twipsScale(const PictureSource& picture) {
    return {0, 0, static_cast<double>(picture.widthTwips),
            static_cast<double>(picture.heightTwips)};
}

}  // namespace

Font pictureFont(const PictureSource& picture) {
    const std::optional<ScreenId> id = screenFromName(picture.screen);
    if (!id) return Font{};
    const ScreenDesign& design = screenDesign(*id);
    for (const ControlDesign& control : design.controls)
        if (controlKey(control.name, control.index) == picture.control)
            return control.font.value_or(design.font);
    return design.font;
}

const std::vector<CanvasOp>& pictureOps(const PictureSource& picture) {
    static const std::vector<CanvasOp> kNone;
    return picture.canvas ? picture.canvas->ops() : kNone;
}

CanvasTarget naturalSizeTarget(const PictureSource& picture, double x, double y,
                               Resolution resolution) {
    const double across = resolution.across / kTwipsPerInch;
    const double down = resolution.down / kTwipsPerInch;
    return {{x * across, y * down, picture.widthTwips * across, picture.heightTwips * down},
            twipsScale(picture),
            resolution.down / kScreenPixelsPerInch};
}

ScaledPicture pagePictureTarget(const PagePicture& picture, const PageMapping& mapping) {
    const PictureSource& source = picture.source;
    // Of an inch on paper to an inch on the screen.
    const double scale = (picture.width / kMmPerInch) / (source.widthTwips / kTwipsPerInch);
    const PointF corner = toDevice(mapping, picture.x, picture.y);
    const PointF opposite =
        toDevice(mapping, picture.x + picture.width, picture.y + picture.height);
    return {{{corner.x, corner.y, opposite.x - corner.x, opposite.y - corner.y},
             twipsScale(source),
             mapping.resolution.down / kScreenPixelsPerInch * scale},
            scale};
}

PointF toDevice(const PageMapping& mapping, double xMm, double yMm) {
    return {(xMm - mapping.origin.x) * mapping.resolution.across / kMmPerInch,
            (yMm - mapping.origin.y) * mapping.resolution.down / kMmPerInch};
}

double toDevice(const PageMapping& mapping, double mm) {
    return mm * mapping.resolution.down / kMmPerInch;
}

std::filesystem::path outputForDocument(const std::filesystem::path& chosen,
                                        int documentsSinceDialog) {
    if (documentsSinceDialog == 0) return chosen;
    for (int number = documentsSinceDialog + 1;; ++number) {
        std::filesystem::path name = chosen.stem();
        name += "-" + std::to_string(number);
        name += chosen.extension();
        const std::filesystem::path candidate = chosen.parent_path() / name;
        std::error_code unknown;
        if (!std::filesystem::exists(candidate, unknown)) return candidate;
    }
}

}  // namespace bio
