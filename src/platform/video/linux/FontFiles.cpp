#include "platform/video/FontFiles.h"

#include <fontconfig/fontconfig.h>
#include <strings.h>

namespace platform {

namespace {

std::string MatchFamily(FcConfig* config, const char* family) {
    std::string path;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    if (pattern == nullptr) {
        return path;
    }
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    if (match != nullptr) {
        FcChar8* matchedFamily = nullptr;
        FcChar8* file = nullptr;
        // fontconfig always answers with something; only a font of the family asked for will do.
        if (FcPatternGetString(match, FC_FAMILY, 0, &matchedFamily) == FcResultMatch &&
            FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
            strcasecmp(reinterpret_cast<const char*>(matchedFamily), family) == 0) {
            path = reinterpret_cast<const char*>(file);
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return path;
}

}  // namespace

std::string FindFontFile(const char* const* families, int familyCount) {
    // A configuration of our own, freed again, rather than fontconfig's process-wide one that lives on.
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) {
        return {};
    }
    std::string path;
    for (int index = 0; index < familyCount && path.empty(); ++index) {
        path = MatchFamily(config, families[index]);
    }
    FcConfigDestroy(config);
    return path;
}

}  // namespace platform
