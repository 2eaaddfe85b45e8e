#pragma once
// A decoder's rows shared out between the thread that uses them and a helper on the program's pool:
// the helper decodes ahead while the user works on earlier rows, and whichever is free decodes the
// next row. The user never waits for the helper to be given a thread: with the pool busy it
// decodes every row itself, as it would without the pipe.
#include <QtGlobal>

#include <functional>
#include <memory>

namespace velmora {

class RowPipe {
public:
    // decode(row) fills row with the decoder's next row (rows of rowBytes bytes, top to bottom,
    // `rows` in all). It is called by one thread at a time and may throw.
    RowPipe(int rows, qsizetype rowBytes, std::function<void(uchar* row)> decode);
    // Waits for the helper to let go of the decoder.
    ~RowPipe();
    RowPipe(const RowPipe&) = delete;
    RowPipe& operator=(const RowPipe&) = delete;

    // Copies row y into line, passing over the rows before it; y never goes back. Rethrows what
    // the decoder threw before it made row y.
    void read(int y, uchar* line);
    // Ends the helper's part; afterwards the decoder is the caller's alone. Rethrows what the
    // decoder threw.
    void close();

    struct Shared;

private:
    std::shared_ptr<Shared> m_shared;
};

} // namespace velmora
