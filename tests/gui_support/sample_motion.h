#pragma once

// Fills the trajectory store by hand with a long motion for every AGV type, as caltraj
// would leave it but without the numeric core: `last` + 1 records 0.02 s apart along a
// loop of about 2.4 m radius around the window centre that winds several times, the motion
// without error close to it and the erroneous one drifting outwards (err_dev the
// difference), a steering angle that swings, chart_range and traj_tend to match. Also sets
// the path markers of the shown computation to the first and last CP points.
void fill_sample_motion(int last);
