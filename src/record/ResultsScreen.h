#pragma once

#include "RunRecord.h"
#include "screens/Screen.h"

namespace kelvora {

// The page after the last screen of a check run: time, misses and hints of
// each screen and of the whole run, a check run's score, the trainee's misses
// on the screen they missed most on, and Close.
class ResultsScreen : public Screen {
    Q_OBJECT
public:
    ResultsScreen(Run &run, const RunRecord *record);

public slots:
    void finish();

protected:
    void load() override;

private:
    // The screen the trainee missed most on, with their misses and its targets.
    void showMissMap(const ScreenRecord &screen);

    const RunRecord *m_record;
};

} // namespace kelvora
