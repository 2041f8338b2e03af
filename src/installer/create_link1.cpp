#include "installer/create_link1.h"

namespace orvela::installer {

bool CreateLink1(platform::Platform& platform, const common::ShortcutRequest& request) {
    return common::ShortcutService(platform, installerShortcutStyle).CreateLink(request);
}

} // namespace orvela::installer
