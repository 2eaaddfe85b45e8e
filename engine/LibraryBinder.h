#pragma once
// Functions of a shared library loaded when a picture first needs it: the decoding libraries and the
// codecs behind them would cost every start of the program their loading time.
#include <QLibrary>
#include <QString>

#include <type_traits>

namespace velmora {

class LibraryBinder {
public:
    // soname: the name the loader knows the library by (libX.so.N).
    explicit LibraryBinder(const char* soname)
        : m_library(QString::fromLatin1(soname))
    {
        m_complete = m_library.load();
    }

    // Points function at the library's symbol; a missing one makes the binding incomplete.
    template <typename Function> void bind(Function& function, const char* name)
    {
        function = m_complete ? reinterpret_cast<std::remove_reference_t<Function>>(m_library.resolve(name))
                              : nullptr;
        m_complete = m_complete && function;
    }

    // True when the library loaded and every bound function was found.
    bool complete() const { return m_complete; }

private:
    QLibrary m_library; // never unloaded: the bound functions stay valid for the process
    bool m_complete = false;
};

} // namespace velmora
