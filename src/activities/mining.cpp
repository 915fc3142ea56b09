// mining.cpp -- arrives with the activities work
