// The catalogues are resources of this library; a library needs a source of its own.
namespace velmora::translations {
int catalogues = 0;
}
