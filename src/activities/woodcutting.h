// woodcutting.h -- arrives with the activities work
#pragma once
