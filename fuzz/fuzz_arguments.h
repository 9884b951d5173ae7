#pragma once

// A fuzz input taken as a command line: split at zero bytes into the arguments that follow the
// fixed ones, for the targets that call the command line as a shell would.

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kantrix::fuzz {

class Arguments
{
public:
    // `leading` first, then the input's pieces, at most `most` arguments in all.
    Arguments(std::vector<std::string> leading, const std::uint8_t* data, std::size_t size,
              std::size_t most)
        : m_arguments(std::move(leading))
    {
        std::string current;
        for (std::size_t i = 0; i < size && m_arguments.size() < most; ++i) {
            if (data[i] == 0) {
                m_arguments.push_back(std::move(current));
                current.clear();
            } else {
                current += static_cast<char>(data[i]);
            }
        }
        m_arguments.push_back(std::move(current));
        for (const std::string& argument : m_arguments)
            m_argv.push_back(argument.c_str());
        m_argv.push_back(nullptr);
    }

    // argv points into the arguments, which a copy would not take along.
    Arguments(const Arguments&) = delete;
    Arguments& operator=(const Arguments&) = delete;

    int argc() const { return static_cast<int>(m_arguments.size()); }
    const char* const* argv() { return m_argv.data(); }

    // The call as one line, for the report of a broken property.
    std::string call() const
    {
        std::string joined;
        for (const std::string& argument : m_arguments)
            joined += argument + " | ";
        return joined;
    }

private:
    std::vector<std::string> m_arguments;
    std::vector<const char*> m_argv;
};

} // namespace kantrix::fuzz
