#pragma once

class QImage;
class QLabel;

namespace kelvora {

// Puts a translucent dark plate behind a label where the photograph under it
// would leave its text below a readable contrast, and takes it away where the
// text is readable without: a course whose text reads well looks as it always
// did. A label with a background of its own is left as it is.
void plateWhereUnreadable(QLabel &label, const QImage &photograph);

} // namespace kelvora
