#include "font_config_warm_up.h"

#include <fontconfig/fontconfig.h>
#include <system_error>

namespace kantrix {

FontConfigWarmUp::FontConfigWarmUp()
{
    try {
        m_reader = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // Without a thread to spare, Qt reads the configuration itself when it first needs it.
    }
}

void FontConfigWarmUp::finish()
{
    // Two threads that both find no configuration would each read all of it.
    if (m_reader.joinable())
        m_reader.join();
}

FontConfigWarmUp::~FontConfigWarmUp()
{
    finish();
}

} // namespace kantrix
