#include "installer/create_link1.h"

namespace orvela::installer {

bool CreateLink1(platform::Platform& platform, const options::ShortcutRequest& request) {
    return options::ShortcutService(platform, installerShortcutStyle).CreateLink(request);
}

} // namespace orvela::installer
