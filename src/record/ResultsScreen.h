#pragma once

#include "RunRecord.h"
#include "screens/Screen.h"

namespace kelvora {

// The page after the last screen of a check run: time, misses and hints of
// each screen and of the whole run, and Close.
class ResultsScreen : public Screen {
    Q_OBJECT
public:
    ResultsScreen(Run &run, const RunRecord *record);

public slots:
    void finish();

protected:
    void load() override;

private:
    const RunRecord *m_record;
};

} // namespace kelvora
