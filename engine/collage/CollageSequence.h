#pragma once
// Where the collage's pieces come from (NextCollageFile): the file view's items or the list's
// entries, taken at random or one after the other from the remembered position.
#include "engine/collage/RandomTape.h"

#include <QStringList>

namespace velmora {

// A copy of the source as it was when the change started: the composition runs on a worker.
struct CollageSource {
    QStringList paths;    // full paths of the file view's items or of the list's entries, in order
    bool folder = false;  // the file view (positions from 1) rather than the list (from 0)
    int fileIndex1 = 1;   // FileIndex1: the file view's position
    int fileIndex2 = 0;   // FileIndex2: the list's position
    int listSelected = -1; // the list's selected entry, -1 for none
};

class CollageSequence {
public:
    CollageSequence(CollageSource source, bool randomOrder);

    // The next piece's path; empty when the source is empty. A list without a selected entry has
    // entry 0 selected first (recorded in FileIndex2, as a click records it). In order, each call
    // moves FileIndex1 or FileIndex2 on by one, back to the first after the last.
    QString next(RandomTape& tape);

    int fileIndex1() const { return m_source.fileIndex1; }
    int fileIndex2() const { return m_source.fileIndex2; }
    int listSelected() const { return m_source.listSelected; }

private:
    CollageSource m_source;
    bool m_random;
};

} // namespace velmora
