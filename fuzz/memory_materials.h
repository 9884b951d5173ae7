#pragma once

// A materials file kept in memory, for the targets that drive the command line: its changes go
// through here instead of the transaction on disk, so that no fuzz run writes a real file.

#include "command_line.h"

#include <optional>
#include <string>

namespace kantrix::fuzz {

class MemoryMaterials
{
public:
    cli::MaterialsChanger changer()
    {
        return [this](const std::string& path, bool, const press::MaterialsChange& change) {
            press::MaterialsFile now;
            if (m_text)
                now = press::readMaterialsFile(*m_text, path);
            const std::optional<press::MaterialsFile> changed = change(now);
            if (!changed)
                return now;
            m_text = press::writeMaterialsFile(*changed);
            return press::readMaterialsFile(*m_text, path);
        };
    }
    // The text written last, if any.
    const std::optional<std::string>& text() const { return m_text; }

private:
    std::optional<std::string> m_text;
};

} // namespace kantrix::fuzz
