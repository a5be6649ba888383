#pragma once

namespace ZUM {

// The empty root of every library class. It has no virtual functions, so the
// plain-data exception types can derive from it too.
class Object {};

} // namespace ZUM
