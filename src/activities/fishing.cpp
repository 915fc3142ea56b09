// fishing.cpp -- arrives with the activities work
