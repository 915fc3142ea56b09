// woodcutting.cpp -- arrives with the activities work
